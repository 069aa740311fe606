// Assembling the tree chart: size, proband point, captions, footnotes, count and messages.
#include "charts/tree/tree_chart.h"

#include <gtest/gtest.h>

#include "charts/tree/tree_chart_frame.h"
#include "charts/tree/tree_drawing_support.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

// I1 with parents I2 and I3, a son I4 and, with I5, a daughter I6.
const std::string kFamily = test::MakeGedcom(
    {"I1", "I2", "I3", "I4", "I5", "I6"},
    {{"F1", "I2", "I3", {"I1"}}, {"F2", "I1", "", {"I4"}}, {"F3", "I1", "I5", {"I6"}}});

TreeChartTexts IdTexts()
{
    TreeChartTexts texts;
    texts.PersonLabel = [](const TAhnenData& data, int64_t person, TFootNotes&) {
        return TArrayOfString{data.Persons[person].Id};
    };
    return texts;
}

TEST(TreeChart, WithoutExtrasThePictureIsTheCombinedCharts)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    for (uint8_t alignment : {0, 1, 2, 3}) {
        SCOPED_TRACE(int(alignment));
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.Alignment = alignment;
        int32_t persons = 0;
        std::optional<Bitmap> picture =
            BuildTreeChartBitmap(data, settings, IdTexts(), {}, &persons);
        ASSERT_TRUE(picture);
        TImage_Vorfahren ancestors(data, settings);
        TImage_Nachfahren descendants(data, settings);
        ASSERT_TRUE(ancestors.Layout(test::IdLabels(data)));
        ASSERT_TRUE(descendants.Layout(test::IdLabels(data)));
        const int64_t proband = settings.ProbandIndex;
        TreeChartFrame frame = JoinAtProband(
            ancestors.OrientPoint(ancestors.PositionOf(proband)), ancestors.Width, ancestors.Height,
            descendants.OrientPoint(descendants.PositionOf(proband)), descendants.Width,
            descendants.Height);
        EXPECT_EQ(picture->Width(), frame.CombinedWidth);
        EXPECT_EQ(picture->Height(), frame.CombinedHeight);
        // The proband's symbol (a man's, blue) lies where both charts put it.
        const Point at = ancestors.OrientPoint(ancestors.PositionOf(proband));
        EXPECT_EQ(picture->Pixel(frame.AncestorOrigin.x + at.x, frame.AncestorOrigin.y + at.y),
                  RgbColor(0, 0, 255));
        // The proband's wife stands in neither chart.
        EXPECT_EQ(persons, 5);
    }
}

TEST(TreeChart, CaptionsTakeAMarginBesideOrAboveTheRows)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TreeChartTexts texts = IdTexts();
    texts.GenerationCaption = [](int64_t generation) {
        return TArrayOfString{"k = " + std::to_string(generation)};
    };
    for (uint8_t alignment : {1, 3}) {
        SCOPED_TRACE(int(alignment));
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.Alignment = alignment;
        std::optional<TScalableVectorGraphics> plain =
            BuildTreeChartSvg(data, settings, false, IdTexts());
        std::optional<TScalableVectorGraphics> captioned =
            BuildTreeChartSvg(data, settings, false, texts);
        ASSERT_TRUE(plain && captioned);
        const bool horizontal = alignment == 3;
        EXPECT_GT(horizontal ? captioned->Height : captioned->Width,
                  horizontal ? plain->Height : plain->Width);
        pugi::xml_document document = test::ParseSvg(*captioned);
        // Ancestor rows show generations -1 and 0, descendant row 1 generation 1.
        for (const char* caption : {"k = -1", "k = 0", "k = 1"})
            EXPECT_EQ(
                document.select_nodes(("//text[.='" + std::string(caption) + "']").c_str()).size(),
                1u)
                << caption;
    }
}

TEST(TreeChart, SvgShowsEveryPersonOnceAndTheFootnotesInOrder)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TreeChartTexts texts = IdTexts();
    texts.PersonLabel = [](const TAhnenData& d, int64_t person, TFootNotes& notes) {
        const std::string& id = d.Persons[person].Id;
        notes.push_back({id == "I4" ? "10)" : "9)", id});
        return TArrayOfString{id};
    };
    TImageSettings settings = test::TreeSettings(data, "I1");
    int32_t persons = 0;
    std::optional<TScalableVectorGraphics> svg =
        BuildTreeChartSvg(data, settings, false, texts, {}, false, &persons);
    ASSERT_TRUE(svg);
    pugi::xml_document document = test::ParseSvg(*svg);
    EXPECT_EQ(test::CountSymbols(document), persons);
    EXPECT_EQ(persons, 5);
    std::vector<std::string> texts9and10;
    for (pugi::xpath_node text : document.select_nodes("//text"))
        if (std::string(text.node().child_value()).find(')') != std::string::npos)
            texts9and10.push_back(text.node().child_value());
    // The ancestor chart's "9)" (of I1, the first person asked) wins; "10)" follows "9)".
    EXPECT_EQ(texts9and10, (std::vector<std::string>{"9)", "10)"}));
    // Footnote text lines start with a blank; labels do not.
    EXPECT_EQ(document.select_nodes("//text[.=' I1']").size(), 1u);
    EXPECT_EQ(document.select_nodes("//text[.=' I4']").size(), 1u);
}

TEST(TreeChart, CollateralRelativesKeepTheGenerationsOfTheProband)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TImageSettings settings = test::TreeSettings(data, "I1");
    settings.Tree.TreeType0Kindred = true;
    TreeChartTexts texts = IdTexts();
    texts.GenerationCaption = [](int64_t generation) {
        return TArrayOfString{"k = " + std::to_string(generation)};
    };
    int32_t persons = 0;
    std::optional<TScalableVectorGraphics> svg =
        BuildTreeChartSvg(data, settings, false, texts, {}, false, &persons);
    ASSERT_TRUE(svg);
    // The grandparents hang from the placeholder root; the proband's wife I5 now stands
    // beside him as the partner of a descendant of the root. Placeholders count for nothing.
    EXPECT_EQ(persons, 6);
    pugi::xml_document document = test::ParseSvg(*svg);
    EXPECT_EQ(test::CountSymbols(document), 6);
    for (const char* caption : {"k = -1", "k = 0", "k = 1"})
        EXPECT_EQ(
            document.select_nodes(("//text[.='" + std::string(caption) + "']").c_str()).size(), 1u)
            << caption;
    EXPECT_TRUE(document.select_nodes("//text[.='dummy']").empty());
}

TEST(TreeChart, RefusesWithTheMessageTheUserSees)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    TImageSettings settings;
    test::ExpectError([&] { BuildTreeChartBitmap(data, settings, IdTexts()); },
                      "Kein Proband gewählt!");
    settings.ProbandIndex = 0;
    settings.Tree.TreeType = 2;
    test::ExpectError([&] { BuildTreeChartSvg(data, settings, false, IdTexts()); },
                      "Keine Personen in der Liste zum Anzeigen!");
    test::ExpectError([&] { BuildTreeChartSvg(data, settings, true, IdTexts()); },
                      "Keine Personen in der Liste zum Anzeigen!");
}

TEST(TreeChart, LonelyProbandIsOneSymbolWithItsLabel)
{
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom({"I1"}, {}));
    TImageSettings settings = test::TreeSettings(data, "I1");
    settings.FontHighlight = true;
    int32_t persons = 0;
    std::optional<TScalableVectorGraphics> svg =
        BuildTreeChartSvg(data, settings, false, IdTexts(), {}, false, &persons);
    ASSERT_TRUE(svg);
    pugi::xml_document document = test::ParseSvg(*svg);
    EXPECT_EQ(test::CountSymbols(document), 1);
    EXPECT_EQ(document.select_nodes("//text[.='I1']").size(), 1u);
    EXPECT_EQ(persons, 1);
}

TEST(MergeFootnotes, FirstTextOfAKeyWinsAndKeysSortNaturally)
{
    TFootNotes ancestors{{"12)", "a"}, {"9)", "b"}, {"10)", "c"}};
    TFootNotes descendants{{"9)", "d"}, {"2)", "e"}, {"10)", "f"}};
    std::vector<std::string> merged;
    for (const TFootNote& note : MergeFootnotes(ancestors, descendants))
        merged.push_back(note.Key + note.Value);
    EXPECT_EQ(merged, (std::vector<std::string>{"2)e", "9)b", "10)c", "12)a"}));
}

}  // namespace
}  // namespace qv
