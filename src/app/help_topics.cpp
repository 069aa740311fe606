// The topic table of the settings dialogs and the parsing of topic paths.
#include "app/help_topics.h"

namespace qv {
namespace {

struct DialogPage {
    const char* page;
    std::vector<std::pair<const char*, const char*>> controls;  // caption, anchor
};

DialogPage PageOf(HelpDialog dialog)
{
    switch (dialog) {
        case HelpDialog::TreeChart:
            return {"Ausgabe/grafik_ahnentafel.html",
                    {{"Richtung", "Richtung"},
                     {"Sortierung", "Sortierung"},
                     {"Linien", "Linien"},
                     {"Kommentare", "Kommentare"},
                     {"Symbole", "Symbole"},
                     {"Abstände", "Abstaende"},
                     {"Baum", "Baum"},
                     {"Schrift", "Schrift"},
                     {"Beschriftung Generationen", "BeschriftungGenerationen"},
                     {"Beschriftung Personen", "BeschriftungPersonen"},
                     {"Hintergrund", "Hintergrund"},
                     {"Erstellen", "Erstellen"},
                     {"Vorschau", "Vorschau"}}};
        case HelpDialog::CircleChart:
            return {"Ausgabe/grafik_kreisahnentafel.html",
                    {{"Schrift", "Schrift"},
                     {"Baum", "Baum"},
                     {"Hintergrund", "Hintergrund"},
                     {"Kommentare", "Kommentare"},
                     {"Linien", "Linien"},
                     {"Beschriftung Personen", "BeschriftungPersonen"},
                     {"Kreisahnentafel", "Kreisahnentafel"},
                     {"Abstände", "Abstaende"},
                     {"Erstellen", "Erstellen"}}};
        case HelpDialog::Triangle:
            return {"Ausgabe/grafik_dreiecksdiagramm.html",
                    {{"Richtung", "Richtung"},
                     {"Linien", "Linien"},
                     {"Symbole", "Symbole"},
                     {"Diagramm", "Diagramm"},
                     {"Schrift", "Schrift"},
                     {"Beschriftung Personen", "BeschriftungPersonen"},
                     {"Kommentare", "Kommentare"},
                     {"Erstellen", "Erstellen"}}};
        case HelpDialog::PersonTable:
            return {"Ausgabe/tabelle_personen.html",
                    {{"Tabelle - Personen", "Tabellenstruktur"},
                     {kPlaceholderPanel, "Platzhalterliste"},
                     {"Erstellen", "Erstellen"}}};
        case HelpDialog::GenerationTable:
            break;
    }
    return {"Ausgabe/tabelle_generationen.html",
            {{"Tabelle - Generationen", "Tabellenstruktur"},
             {kPlaceholderPanel, "Platzhalterliste"},
             {"Erstellen", "Erstellen"}}};
}

}  // namespace

HelpLocation ParseHelpTopic(std::string_view topic)
{
    if (topic.substr(0, 3) == "::/") topic.remove_prefix(3);
    size_t hash = topic.find('#');
    HelpLocation location{std::string(topic.substr(0, hash)), {}};
    if (hash != std::string_view::npos) {
        std::string_view anchor = topic.substr(hash + 1);
        location.anchor = std::string(anchor.substr(0, anchor.find(';')));
    }
    return location;
}

std::vector<ControlTopic> DialogHelpTopics(HelpDialog dialog)
{
    DialogPage page = PageOf(dialog);
    std::vector<ControlTopic> topics;
    for (const auto& [caption, anchor] : page.controls)
        topics.push_back({caption, std::string("::/") + page.page + "#" + anchor});
    return topics;
}

std::vector<std::string> AllHelpTopics()
{
    std::vector<std::string> topics = {kHelpContents,        kHelpQuickstart, kHelpTips,
                                       kHelpPersonList,      kHelpMiniTable,  kHelpReferencePersons,
                                       kHelpSelectedPersons, kHelpProgress,   kHelpButton};
    for (HelpDialog dialog : {HelpDialog::TreeChart, HelpDialog::CircleChart, HelpDialog::Triangle,
                              HelpDialog::PersonTable, HelpDialog::GenerationTable})
        for (const ControlTopic& control : DialogHelpTopics(dialog))
            topics.push_back(control.topic);
    return topics;
}

}  // namespace qv
