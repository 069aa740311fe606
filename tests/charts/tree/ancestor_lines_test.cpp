// The lines of the ancestor chart: marriage lines, their offsets, and bent child lines.
#include <algorithm>

#include <gtest/gtest.h>

#include "charts/tree/image_vorfahren.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

// I4 has two wives, I5 and I8, in row 3; the span of I4-I8 holds I5 (see the layout tests).
const std::string kHalfBrotherLines = test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8"},
                                                   {{"F1", "I2", "I3", {"I1"}},
                                                    {"F2", "I4", "I5", {"I2"}},
                                                    {"F3", "I6", "I7", {"I3"}},
                                                    {"F4", "I4", "I8", {"I6"}}});

bool Contains(const std::vector<ChartPolyline>& lines, const ChartPolyline& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const ChartPolyline* LineFrom(const std::vector<ChartPolyline>& lines, Point start)
{
    for (const ChartPolyline& line : lines)
        if (line.front() == start && line.size() >= 2) return &line;
    return nullptr;
}

TEST(AncestorLines, OuterCoupleIsMovedTowardItsChildrenAndInnerCoupleIsStraight)
{
    TAhnenData data = test::DataFromGedcom(kHalfBrotherLines);
    for (uint8_t alignment : {0, 1, 2, 3}) {
        SCOPED_TRACE(int(alignment));
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.Alignment = alignment;
        test::FixedMeasure measure;
        TImage_Vorfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        const std::vector<ChartPolyline> lines = chart.Lines();
        const Point i4 = chart.PositionOf(test::Person(data, "I4"));
        const Point i5 = chart.PositionOf(test::Person(data, "I5"));
        const Point i8 = chart.PositionOf(test::Person(data, "I8"));
        // I4-I5 stand side by side: two straight halves through the midpoint.
        const Point z{(i4.x + i5.x) / 2, (i4.y + i5.y) / 2};
        EXPECT_EQ(chart.MarriageOffset(1), 0);
        EXPECT_TRUE(Contains(lines, {i4, z}));
        EXPECT_TRUE(Contains(lines, {z, i5}));
        // I4-I8 spans I5: its anchor lies nearer to the children's row.
        const int32_t g = chart.MarriageOffset(3);
        ASSERT_NE(g, 0);
        const Point anchor{(i4.x + i8.x) / 2, (i4.y + i8.y) / 2 - g};
        const Point i6 = chart.PositionOf(test::Person(data, "I6"));
        EXPECT_LT(std::abs(i6.y - anchor.y), std::abs(i6.y - i4.y));
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const ChartPolyline& line) {
            return line.front() == i6 && line.back() == anchor;
        }));
    }
}

TEST(AncestorLines, ChildTwoRowsBelowItsParentsBendsInTheGapNextToThem)
{
    // I3's parents I6 and I7 stand in row 3, two rows above her.
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3", "I4", "I5", "I6", "I7"}, {{"F1", "I2", "I3", {"I1"}},
                                                     {"F2", "I4", "I5", {"I2"}},
                                                     {"F3", "I6", "I7", {"I4", "I3"}}}));
    for (uint8_t alignment : {0, 1}) {
        SCOPED_TRACE(int(alignment));
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.Alignment = alignment;
        test::FixedMeasure measure;
        TImage_Vorfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        const std::vector<ChartPolyline> lines = chart.Lines();
        const ChartPolyline* line = LineFrom(lines, chart.PositionOf(test::Person(data, "I3")));
        ASSERT_NE(line, nullptr);
        ASSERT_GE(line->size(), 3u);
        // The turn lies between the symbol lines of rows 2 and 3.
        const int32_t low = std::min(chart.RowCoordinate(2), chart.RowCoordinate(3));
        const int32_t high = std::max(chart.RowCoordinate(2), chart.RowCoordinate(3));
        for (size_t k = 1; k + 1 < line->size(); ++k) {
            EXPECT_GE((*line)[k].y, low);
            EXPECT_LE((*line)[k].y, high);
        }
    }
}

TEST(AncestorLines, SingleParentGetsNoMarriageLineAndTheChildLineEndsAtTheParent)
{
    TAhnenData data =
        test::DataFromGedcom(test::MakeGedcom({"I1", "I2"}, {{"F1", "I2", "", {"I1"}}}));
    TImageSettings settings = test::TreeSettings(data, "I1");
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    const Point child = chart.PositionOf(test::Person(data, "I1"));
    const Point parent = chart.PositionOf(test::Person(data, "I2"));
    // Standing straight above its only child, the parent is joined by one straight line.
    EXPECT_EQ(child.x, parent.x);
    EXPECT_EQ(chart.Lines(), (std::vector<ChartPolyline>{{child, parent}}));
}

}  // namespace
}  // namespace qv
