// The interactive ancestor chart: node numbers, groups and families for the script, and the
// document around them.
#include "charts/tree/interactive_tree.h"

#include <regex>

#include <gtest/gtest.h>

#include "charts/tree/tree_chart.h"
#include "charts/tree/tree_chart_file.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

// Siblings F and M are the proband's parents, so their parents X and Y stand once, above F.
const std::string kSiblingParents = test::MakeGedcom(
    {"P", "F", "M", "X", "Y"}, {{"F1", "F", "M", {"P"}}, {"F2", "X", "Y", {"F", "M"}}});

// P's mother M has only her mother G drawn: that family has no marriage line.
const std::string kOneParent =
    test::MakeGedcom({"P", "F", "M", "G"}, {{"F1", "F", "M", {"P"}}, {"F2", "", "G", {"M"}}});

struct LaidOut {
    TAhnenData data;
    TImageSettings settings;
    test::FixedMeasure measure;
    std::optional<TImage_Vorfahren> chart;

    explicit LaidOut(const std::string& gedcom, int labelLinesOfX = 1)
        : data(test::DataFromGedcom(gedcom)), settings(test::TreeSettings(data, "P"))
    {
        chart.emplace(data, settings, measure, ProgressCallback{}, true);
        const int64_t x = data.FindPerson("X");
        EXPECT_TRUE(chart->Layout([this, x, labelLinesOfX](int64_t person) {
            TArrayOfString lines{data.Persons[person].Id};
            if (person == x) lines.resize(size_t(labelLinesOfX), "X");
            return lines;
        }));
    }
};

TEST(InteractiveTree, AncestorPlacedOnceBelongsToTheGroupOfItsOtherChild)
{
    LaidOut laid(kSiblingParents);
    const InteractiveTree tree = BuildInteractiveTree(*laid.chart);
    auto node = [&](const char* id) { return tree.nodeOf[laid.data.FindPerson(id)]; };
    ASSERT_EQ(tree.nodes.size(), 5u);
    EXPECT_EQ(node("P"), 0);
    EXPECT_EQ(tree.nodes[0].children, (std::vector<int32_t>{node("F"), node("M")}));
    EXPECT_EQ(tree.nodes[node("F")].children, (std::vector<int32_t>{node("X"), node("Y")}));
    // M's parents stand above F: folding M hides them, since they are her father's group.
    EXPECT_TRUE(tree.nodes[node("M")].children.empty());
    EXPECT_EQ(tree.nodes[node("M")].group, (std::vector<int32_t>{node("X"), node("Y")}));
    // Groups leave out the node's own children.
    EXPECT_TRUE(tree.nodes[0].group.empty());
    EXPECT_TRUE(tree.nodes[node("F")].group.empty());
    ASSERT_EQ(tree.families.size(), 2u);
    EXPECT_EQ(tree.families[1].father, node("X"));
    EXPECT_EQ(tree.families[1].mother, node("Y"));
    ASSERT_EQ(tree.families[1].children.size(), 2u);
    EXPECT_EQ(tree.families[1].children[1].node, node("M"));
}

TEST(InteractiveTree, DataLinesListOnlyWhatDiffersFromTheDefaults)
{
    LaidOut laid(kSiblingParents, 3);
    const InteractiveTree tree = BuildInteractiveTree(*laid.chart);
    // One label line and the caption line, and 4 for the frame.
    const int32_t lineHeight = laid.chart->LineHeight();
    const std::string standard = std::to_string(2 * lineHeight + 4);
    EXPECT_EQ(tree.standardTextHeight, 2 * lineHeight + 4);
    InteractiveFrame frame;
    frame.origin = {7, 9};
    frame.guid = "{G}";
    const std::vector<std::string> lines = InteractiveDataLines(*laid.chart, tree, frame);
    const int32_t x = tree.nodeOf[laid.data.FindPerson("X")];
    const int32_t m = tree.nodeOf[laid.data.FindPerson("M")];
    auto width = [&](int32_t n) { return std::to_string(tree.nodes[n].width); };
    for (const std::string& expected :
         {std::string("    var offsetx = 7;"), std::string("    var offsety = 9;"),
          std::string("    var wurzel = 0;"), "    var standardtexth = " + standard + ";",
          std::string("    var guid = '{G}';"),
          "    nodes[" + std::to_string(x) + "]={width:" + width(x) +
              ",depth:2,sex:'M',texth:" + std::to_string(4 * lineHeight + 4) + "};",
          "    nodes[" + std::to_string(m) + "]={width:" + width(m) +
              ",depth:1,sex:'F',famgrp:[2,3]};"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
    EXPECT_EQ(lines[0], "    var border = " + std::to_string(laid.chart->Pitch() / 2) + ";");
}

TEST(InteractiveTree, FamilyWithOneDrawnParentHasOnlyItsChildLine)
{
    LaidOut laid(kOneParent);
    const InteractiveTree tree = BuildInteractiveTree(*laid.chart);
    const int32_t g = tree.nodeOf[laid.data.FindPerson("G")];
    const int32_t m = tree.nodeOf[laid.data.FindPerson("M")];
    ASSERT_EQ(tree.families.size(), 2u);
    EXPECT_EQ(tree.families[1].father, -1);
    EXPECT_EQ(tree.families[1].mother, g);
    const std::vector<std::string> lines = InteractiveDataLines(*laid.chart, tree, {});
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "    fams[1]={mutter:" + std::to_string(g) +
                            ",children:[{index:" + std::to_string(m) + "}]};"),
              lines.end());

    TImageSettings settings = test::TreeSettings(laid.data, "P");
    TreeChartTexts texts;
    auto svg = BuildTreeChartSvg(laid.data, settings, true, texts);
    ASSERT_TRUE(svg);
    const std::string document = svg->SaveToString();
    EXPECT_NE(document.find("<g id=\"FL0E1\">"), std::string::npos);
    EXPECT_NE(document.find("<g id=\"FL0E2\">"), std::string::npos);
    EXPECT_EQ(document.find("FL1E"), std::string::npos);
    EXPECT_NE(document.find("<g id=\"FL1K" + std::to_string(m) + "\">"), std::string::npos);
}

// The proband P of kSiblingParents with a son C.
const std::string kWithSon = test::MakeGedcom(
    {"P", "F", "M", "X", "Y", "C"},
    {{"F1", "F", "M", {"P"}}, {"F2", "X", "Y", {"F", "M"}}, {"F3", "P", "", {"C"}}});

// Names reach the document only as text elements; the script reads them from there.
TEST(InteractiveDocument, HoldsTheAncestorsOnlyWithEveryMarkupCharacterInTheirNames)
{
    TAhnenData data = test::DataFromGedcom(kWithSon);
    TImageSettings settings = test::TreeSettings(data, "P");
    settings.FontStayOnTop = true;
    const std::string hostile = "O'Brien \"Q\" back\\slash </script> ]]> & <b>";
    TreeChartTexts texts;
    texts.PersonLabel = [&](const TAhnenData& d, int64_t person, TFootNotes&) {
        return TArrayOfString{d.Persons[person].Id, hostile, "Zeile\r\nUmbruch"};
    };
    int32_t persons = 0;
    auto svg = BuildTreeChartSvg(data, settings, true, texts, {}, false, &persons);
    ASSERT_TRUE(svg);
    EXPECT_EQ(persons, 5) << "the son is left out";
    pugi::xml_document document = test::ParseSvg(*svg);
    for (const char* id : {"node0", "node1", "node2", "node3", "node4"})
        EXPECT_TRUE(document.select_node(("//g[@id='" + std::string(id) + "']").c_str())) << id;
    EXPECT_FALSE(document.select_node("//g[@id='node5']"));
    EXPECT_TRUE(document.select_node("//g[@id='TextP']"));
    EXPECT_TRUE(document.select_node("//rect[@id='TextRect']"));
    EXPECT_TRUE(document.select_node("//g[@id='TextH2' and @display='none']"));
    EXPECT_EQ(document.select_nodes("//text[contains(., 'Brien')]").size(), 15u)
        << "label, its halo and hover box of each person";
    const pugi::xpath_node_set scripts = document.select_nodes("//script");
    ASSERT_EQ(scripts.size(), 3u);
    for (const pugi::xpath_node& script : scripts)
        EXPECT_EQ(std::string(script.node().child_value()).find("Brien"), std::string::npos);
    const std::string text = svg->SaveToString();
    EXPECT_NE(text.find("<rect y=\"-0.5\" width=\"1\" height=\"1\" stroke-width=\"0\" "
                        "fill-opacity=\"0\"/>"),
              std::string::npos);
    EXPECT_EQ(text.find("\r\n "), std::string::npos) << "lines are trimmed";
    EXPECT_NE(text.find("\r\nUpdateTree(wurzel);\r\n"), std::string::npos);
}

TEST(InteractiveDocument, EveryDocumentHasACookieNameOfItsOwn)
{
    TAhnenData data = test::DataFromGedcom(kWithSon);
    TImageSettings settings = test::TreeSettings(data, "P");
    auto guidOf = [&] {
        const std::string text = BuildTreeChartSvg(data, settings, true, {})->SaveToString();
        std::smatch match;
        EXPECT_TRUE(std::regex_search(text, match, std::regex("var guid = '([^']*)';")));
        return match[1].str();
    };
    const std::string first = guidOf();
    EXPECT_TRUE(
        std::regex_match(first, std::regex("\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}")))
        << first;
    EXPECT_NE(guidOf(), first);
}

TEST(InteractiveDocument, PicturesAndPdfHaveNoInteractiveForm)
{
    TAhnenData data = test::DataFromGedcom(kWithSon);
    TImageSettings settings = test::TreeSettings(data, "P");
    for (const char* name : {"tafel.png", "tafel.pdf"})
        test::ExpectError(
            [&] { WriteTreeChart(data, settings, {}, name, "", {}, true); },
            std::string("Interaktiv lässt sich die Ahnentafel nur als SVG- oder HTML-Datei "
                        "speichern: ") +
                name);
}

}  // namespace
}  // namespace qv
