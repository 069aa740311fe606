// The help topics: which page and anchor each control, dialog and menu entry opens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The folder of help pages beside the executable.
inline constexpr const char* kHelpFolder = "hilfe";

// Topic paths as "::/" + page + "#" + anchor; an anchor may be followed by ";" and the
// name of a picture on the page.
inline constexpr const char* kHelpContents = "::/inhalt.html";
inline constexpr const char* kHelpQuickstart = "::/Einführung/Quickstart.htm";
inline constexpr const char* kHelpTips = "::/Anhang/Tipps und Tricks.htm";
inline constexpr const char* kHelpPersonList = "::/oberflaeche.html#Personenliste;Bild1d";
inline constexpr const char* kHelpMiniTable = "::/oberflaeche.html#Miniahnentafel";
inline constexpr const char* kHelpReferencePersons = "::/oberflaeche.html#ProbandKekuleNr1";
inline constexpr const char* kHelpSelectedPersons = "::/oberflaeche.html#Personen;Bild1c";
inline constexpr const char* kHelpProgress = "::/oberflaeche.html#Fortschrittsbalken";
inline constexpr const char* kHelpButton = "::/oberflaeche.html#Hilfebutton";

// A page of the help folder and the place on it.
struct HelpLocation {
    std::string page;    // relative to the help folder, "Ausgabe/grafik_ahnentafel.html"
    std::string anchor;  // empty for the top of the page
};

// "::/Ausgabe/grafik_ahnentafel.html#Richtung" → {"Ausgabe/grafik_ahnentafel.html",
// "Richtung"}; the picture name after ";" is not part of the anchor.
HelpLocation ParseHelpTopic(std::string_view topic);

enum class HelpDialog { TreeChart, CircleChart, Triangle, PersonTable, GenerationTable };

// A settings dialog's control, named by its caption (a group title or a button text; the
// table dialogs' placeholder list by kPlaceholderPanel), and its topic.
struct ControlTopic {
    std::string caption;
    std::string topic;
};

inline constexpr const char* kPlaceholderPanel = "Platzhalterliste";

std::vector<ControlTopic> DialogHelpTopics(HelpDialog dialog);

// Every topic the program can open, for checking that the pages have them.
std::vector<std::string> AllHelpTopics();

}  // namespace qv
