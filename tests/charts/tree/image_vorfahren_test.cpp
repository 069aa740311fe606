// The ancestor chart's layout: selection, rows, packing, spacers, limits and sorting.
#include "charts/tree/image_vorfahren.h"

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include "charts/tree/ancestor_selection.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

using test::Fam;

// I2 and I6 are half-brothers through their father I4, who is I1's grandfather twice: once
// through I2 with I5, once through I6 (the father of I1's mother I3) with I8.
const std::string kHalfBrothers = test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8"},
                                                   {{"F1", "I2", "I3", {"I1"}},
                                                    {"F2", "I4", "I5", {"I2"}},
                                                    {"F3", "I6", "I7", {"I3"}},
                                                    {"F4", "I4", "I8", {"I6"}}});

// I1's father I2 is the grandson of I6 and I7, whose daughter I3 is I1's mother.
const std::string kAuntMarriage = test::MakeGedcom(
    {"I1", "I2", "I3", "I4", "I5", "I6", "I7"},
    {{"F1", "I2", "I3", {"I1"}}, {"F2", "I4", "I5", {"I2"}}, {"F3", "I6", "I7", {"I4", "I3"}}});

// Every drawn person has one node in its own row, and no two nodes of a row overlap.
void ExpectPlacedOnceWithoutOverlap(const TAhnenData& data, const TImage_Vorfahren& chart)
{
    std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> rows;
    std::vector<int32_t> nodes(data.Persons.size(), 0);
    for (const TTetrisVorfahrenNode& node : chart.Packing().Nodes()) {
        rows[node.Level].push_back({node.Offset, node.Offset + node.Size});
        if (node.Person < 0) continue;
        ++nodes[node.Person];
        EXPECT_EQ(node.Level, chart.RowOf(node.Person)) << data.Persons[node.Person].Id;
    }
    for (size_t p = 0; p < data.Persons.size(); ++p)
        EXPECT_EQ(nodes[p], chart.Drawn()[p] ? 1 : 0) << data.Persons[p].Id;
    for (auto& [row, spans] : rows) {
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i)
            EXPECT_LE(spans[i - 1].second, spans[i].first) << "row " << row;
    }
}

TEST(ImageVorfahren, AncestorReachedTwiceIsPlacedOnceAndSpousesShareARow)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrothers);
    TImageSettings settings = test::TreeSettings(data, "I1");
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    // I5 is in generation 2 but stands with her husband I4, whom I6 (row 2) lifts to row 3.
    const std::map<std::string, int32_t> rows = {{"I1", 0}, {"I2", 1}, {"I3", 1}, {"I6", 2},
                                                 {"I7", 2}, {"I4", 3}, {"I5", 3}, {"I8", 3}};
    for (const auto& [id, row] : rows) EXPECT_EQ(chart.RowOf(test::Person(data, id)), row) << id;
    EXPECT_EQ(chart.RowCount(), 4);
    ExpectPlacedOnceWithoutOverlap(data, chart);
    // Both of I4's families lead to I4's one symbol.
    const Point i4 = chart.PositionOf(test::Person(data, "I4"));
    int32_t linesAtI4 = 0;
    for (const ChartPolyline& line : chart.Lines())
        linesAtI4 += (line.front() == i4 || line.back() == i4) ? 1 : 0;
    EXPECT_EQ(linesAtI4, 2);
}

TEST(ImageVorfahren, PersonWhoseParentsStandHigherGetsASpacer)
{
    TAhnenData data = test::DataFromGedcom(kAuntMarriage);
    TImageSettings settings = test::TreeSettings(data, "I1");
    settings.NodeWidth = 22;
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    EXPECT_EQ(chart.RowOf(test::Person(data, "I3")), 1);
    EXPECT_EQ(chart.RowOf(test::Person(data, "I6")), 3);
    const auto& nodes = chart.Packing().Nodes();
    const TTetrisVorfahrenNode& mother = nodes[chart.Packing().NodeOf(test::Person(data, "I3"))];
    ASSERT_GE(mother.FirstChild, 0);
    const TTetrisVorfahrenNode& spacer = nodes[mother.FirstChild];
    EXPECT_EQ(spacer.Person, -1);
    EXPECT_EQ(spacer.Level, 2);
    EXPECT_EQ(spacer.Size, 22);
    EXPECT_EQ(spacer.NextSibling, -1);
    ExpectPlacedOnceWithoutOverlap(data, chart);
}

TEST(ImageVorfahren, GenerationLimitKeepsTheRowsUpToIt)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrothers);
    struct Case {
        uint8_t maxGen;
        int32_t rows;
        int drawn;
    } cases[] = {{0, 1, 1}, {1, 2, 3}, {2, 3, 5}, {99, 4, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.maxGen));
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.TreeMaxGen = c.maxGen;
        test::FixedMeasure measure;
        TImage_Vorfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        EXPECT_EQ(chart.RowCount(), c.rows);
        EXPECT_EQ(std::count(chart.Drawn().begin(), chart.Drawn().end(), true), c.drawn);
        ExpectPlacedOnceWithoutOverlap(data, chart);
    }
}

TEST(ImageVorfahren, MarriageCircleKeepsAPersonBelowItsParentAndSpouse)
{
    // I2 is the father of I1 and of I1's mother I3.
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3", "I4"}, {{"F1", "I2", "I3", {"I1"}}, {"F2", "I2", "I4", {"I3"}}}));
    TImageSettings settings = test::TreeSettings(data, "I1");
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    EXPECT_TRUE(chart.InCircle()[test::Person(data, "I3")]);
    EXPECT_FALSE(chart.InCircle()[test::Person(data, "I2")]);
    EXPECT_EQ(chart.RowOf(test::Person(data, "I3")), 1);
    EXPECT_EQ(chart.RowOf(test::Person(data, "I2")), 2);
    EXPECT_EQ(chart.RowOf(test::Person(data, "I4")), 2);
    ExpectPlacedOnceWithoutOverlap(data, chart);
}

// The search for an ancestor in a person's marriage group stops above the group's highest
// member; a member reached only through a long line above the person must still be found,
// and a long chain of couples without a circle finds none.
TEST(ImageVorfahren, MarriageCirclesAcrossManyGenerationsAndAlongALongChain)
{
    // I1 and I3 are the parents of I2; I3 descends from I1 through I10 … I14.
    TAhnenData deep = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3", "I4", "I10", "I11", "I12", "I13", "I14", "I15"},
        {{"F1", "I1", "I3", {"I2"}},
         {"F2", "I1", "I4", {"I10"}},
         {"F3", "I10", "", {"I11"}},
         {"F4", "I11", "", {"I12"}},
         {"F5", "I12", "", {"I13"}},
         {"F6", "I13", "", {"I14"}},
         {"F7", "I14", "I15", {"I3"}}}));
    TArrayOfBoolean all(deep.Persons.size(), true);
    TArrayOfBoolean circle = FindMarriageCircles(deep, all);
    EXPECT_TRUE(circle[test::Person(deep, "I3")]);
    EXPECT_FALSE(circle[test::Person(deep, "I1")]);
    EXPECT_FALSE(circle[test::Person(deep, "I14")]);

    std::vector<std::string> ids;
    std::vector<test::Fam> families;
    constexpr int kLength = 1000;
    for (int g = 0; g <= kLength; ++g) {
        ids.push_back("I" + std::to_string(g));
        ids.push_back("W" + std::to_string(g));
    }
    for (int g = 1; g <= kLength; ++g)
        families.push_back({"F" + std::to_string(g), "I" + std::to_string(g),
                            "W" + std::to_string(g), {"I" + std::to_string(g - 1)}});
    TAhnenData chain = test::DataFromGedcom(test::MakeGedcom(ids, families));
    TArrayOfBoolean chainDrawn(chain.Persons.size(), true);
    TArrayOfBoolean none = FindMarriageCircles(chain, chainDrawn);
    EXPECT_EQ(std::count(none.begin(), none.end(), true), 0);
}

TEST(ImageVorfahren, RowExtentsFollowLabelsOnlyWithOptimisedRows)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrothers);
    // Two label lines in row 3 only.
    auto labels = [&data](int64_t p) {
        TArrayOfString lines{data.Persons[p].Id};
        if (data.Persons[p].Id == "I4") lines.push_back("x");
        return lines;
    };
    for (bool optimised : {false, true}) {
        SCOPED_TRACE(optimised);
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.NodeHeightOpt = optimised;
        test::FixedMeasure measure;
        TImage_Vorfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(labels));
        const std::vector<int32_t>& extents = chart.RowExtent();
        // One label line of 10 pixels + 2r + 4 = 24, two lines 34.
        EXPECT_EQ(extents[3], 34);
        EXPECT_EQ(extents[0], optimised ? 24 : 34);
        // Pitch: the widest label (2 bytes) + 2r + 2; symbols at the row coordinates.
        EXPECT_EQ(chart.Pitch(), 24);
        EXPECT_EQ(chart.TotalAlong(), chart.Pitch() + (optimised ? 3 * 24 + 34 : 4 * 34));
        EXPECT_EQ(chart.PositionOf(test::Person(data, "I1")).y, chart.RowCoordinate(0));
    }
}

TEST(ImageVorfahren, TypeTwoWithXLinesNeverFollowsTheLineOfAMansFather)
{
    // I1 (a man): father I2, mother I3; I2's parents I4, I5; I3's parents I6, I7.
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3", "I4", "I5", "I6", "I7"},
        {{"F1", "I2", "I3", {"I1"}}, {"F2", "I4", "I5", {"I2"}}, {"F3", "I6", "I7", {"I3"}}}));
    data.Persons[test::Person(data, "I1")].Sex = 'M';
    TImageSettings settings = test::TreeSettings(data, "I1");
    settings.Tree.TreeType = 2;
    settings.Tree.XChromosomalLines = true;
    settings.SetSelected(test::Person(data, "I6"), true);
    settings.SetSelected(test::Person(data, "I4"), true);
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    std::vector<std::string> drawn;
    for (size_t p = 0; p < data.Persons.size(); ++p)
        if (chart.Drawn()[p]) drawn.push_back(data.Persons[p].Id);
    // I4 is selected but reachable only through I1's father, who is shown only as the partner
    // of I1's mother (as I7 is of I6).
    EXPECT_EQ(drawn, (std::vector<std::string>{"I1", "I2", "I3", "I6", "I7"}));
}

TEST(ImageVorfahren, CyclicAncestryIsRefused)
{
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3"}, {{"F1", "I2", "I3", {"I1"}}, {"F2", "I1", "", {"I2"}}}));
    TImageSettings settings = test::TreeSettings(data, "I1");
    test::FixedMeasure measure;
    test::ExpectError([&] { TImage_Vorfahren(data, settings, measure); },
                      "Zirkelbezug in der Abstammung: I1 (Name, I1) ist eigener Vorfahre.");
}

}  // namespace
}  // namespace qv
