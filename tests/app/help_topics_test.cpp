// Help topics: parsing topic paths, and every topic and link finding its page and anchor.
#include "app/help_topics.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpSource = fs::path(QV_SOURCE_DIR) / "help";

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A link's file name with "%20" and the like decoded.
std::string Unescaped(const std::string& link)
{
    std::string text;
    for (size_t i = 0; i < link.size(); ++i) {
        if (link[i] == '%' && i + 2 < link.size()) {
            text += static_cast<char>(std::stoi(link.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            text += link[i];
        }
    }
    return text;
}

// The ids and names a page offers as anchors.
std::set<std::string> Anchors(const std::string& page)
{
    std::set<std::string> anchors;
    static const std::regex anchor(R"re((?:id|name)="([^"]+)")re");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), anchor);
         it != std::sregex_iterator(); ++it)
        anchors.insert((*it)[1]);
    return anchors;
}

// "" when the page and anchor exist, else what is missing.
std::string Check(const fs::path& page, const std::string& anchor)
{
    if (!fs::is_regular_file(page)) return "Seite fehlt: " + page.string();
    if (anchor.empty() || Anchors(ReadFile(page)).count(anchor)) return {};
    return "Anker fehlt: " + page.string() + "#" + anchor;
}

TEST(HelpTopics, TopicPathsSplitIntoPageAndAnchor)
{
    struct Case {
        const char* topic;
        const char* page;
        const char* anchor;
    } cases[] = {
        {"::/oberflaeche.html#Personenliste;Bild1d", "oberflaeche.html", "Personenliste"},
        {"::/Ausgabe/grafik_ahnentafel.html#Abstaende", "Ausgabe/grafik_ahnentafel.html",
         "Abstaende"},
        {"::/Anhang/Tipps und Tricks.htm", "Anhang/Tipps und Tricks.htm", ""},
        {"inhalt.html#", "inhalt.html", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        HelpLocation location = ParseHelpTopic(c.topic);
        EXPECT_EQ(location.page, c.page);
        EXPECT_EQ(location.anchor, c.anchor);
    }
}

TEST(HelpTopics, EveryTopicOfTheProgramHasItsPageAndAnchor)
{
    std::vector<std::string> topics = AllHelpTopics();
    EXPECT_EQ(topics.size(), 9u + 13 + 9 + 8 + 3 + 3);
    for (const std::string& topic : topics) {
        HelpLocation location = ParseHelpTopic(topic);
        EXPECT_EQ(Check(kHelpSource / location.page, location.anchor), "") << topic;
    }
    // The picture a topic names after ";" is on its page.
    EXPECT_EQ(Check(kHelpSource / "oberflaeche.html", "Bild1d"), "");
    EXPECT_EQ(Check(kHelpSource / "oberflaeche.html", "Bild1c"), "");
}

TEST(HelpTopics, EveryLinkAndPictureBetweenThePagesResolves)
{
    static const std::regex link(R"re((?:href|src)="([^"#:]*)(?:#([^"]*))?")re");
    int pages = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kHelpSource)) {
        std::string extension = entry.path().extension().string();
        if (extension != ".html" && extension != ".htm") continue;
        ++pages;
        std::string page = ReadFile(entry.path());
        for (auto it = std::sregex_iterator(page.begin(), page.end(), link);
             it != std::sregex_iterator(); ++it) {
            std::string target = Unescaped((*it)[1]);
            fs::path file = target.empty() ? entry.path() : entry.path().parent_path() / target;
            std::string anchor = (*it)[2].matched ? std::string((*it)[2]) : "";
            EXPECT_EQ(Check(file.lexically_normal(), anchor), "")
                << "in " << entry.path() << ": " << (*it)[0];
        }
    }
    EXPECT_GE(pages, 10);
}

}  // namespace
}  // namespace qv
