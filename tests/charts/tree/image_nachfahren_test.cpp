// The descendant tree's layout and family lines.
#include "charts/tree/image_nachfahren.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

using test::Fam;

// I1 and his wife W1 have the children I2 and I3; I2 has the single child I4 with no known
// mother.
const std::string kDescendantFamily = test::MakeGedcom(
    {"I1", "W1", "I2", "I3", "I4"}, {{"F1", "I1", "W1", {"I2", "I3"}}, {"F2", "I2", "", {"I4"}}});

TEST(ImageNachfahren, PartnerStandsBesideInTheSameRowAndBothJoinAtTheBarsMiddle)
{
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"P", "A", "X", "K1", "K2"}, {{"F1", "P", "", {"A"}}, {"F2", "A", "X", {"K1", "K2"}}}));
    for (uint8_t alignment : {0, 1, 2, 3}) {
        SCOPED_TRACE(int(alignment));
        TImageSettings settings = test::TreeSettings(data, "P");
        settings.Tree.Alignment = alignment;
        test::FixedMeasure measure;
        TImage_Nachfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
        const Point a = chart.PositionOf(test::Person(data, "A"));
        const Point x = chart.PositionOf(test::Person(data, "X"));
        const Point k1 = chart.PositionOf(test::Person(data, "K1"));
        const Point k2 = chart.PositionOf(test::Person(data, "K2"));
        EXPECT_EQ(a.y, x.y);
        EXPECT_LT(a.x, x.x);
        EXPECT_EQ(k1.y, k2.y);
        // The couple stands on either side of the middle of its children.
        const int32_t middle = (k1.x + k2.x) / 2;
        EXPECT_LT(a.x, middle);
        EXPECT_GT(x.x, middle);
        const int32_t bar = a.y + chart.RowCoordinate(2) - chart.RowCoordinate(1) -
                            ((alignment == 1 || alignment == 3) ? 1 : -1) * chart.LineMargin();
        const std::vector<ChartPolyline> lines = chart.Lines();
        auto has = [&lines](const ChartPolyline& line) {
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        };
        EXPECT_TRUE(has({k1, {k1.x, bar}}));
        EXPECT_TRUE(has({{k1.x, bar}, {middle, bar}, {k2.x, bar}}));
        // Nothing stands between the couple: the marriage line runs along their row.
        EXPECT_TRUE(has({{middle, bar}, {middle, a.y}}));
    }
}

TEST(ImageNachfahren, SingleChildHangsOnAStraightLineWithoutBar)
{
    TAhnenData data = test::DataFromGedcom(kDescendantFamily);
    TImageSettings settings = test::TreeSettings(data, "I2");
    test::FixedMeasure measure;
    TImage_Nachfahren chart(data, settings, measure);
    ASSERT_TRUE(chart.Layout(test::IdLabels(data)));
    const Point parent = chart.PositionOf(test::Person(data, "I2"));
    const Point child = chart.PositionOf(test::Person(data, "I4"));
    ASSERT_EQ(parent.x, child.x);
    const int32_t bar = child.y - chart.LineMargin();
    EXPECT_EQ(chart.Lines(),
              (std::vector<ChartPolyline>{{child, {child.x, bar}}, {{child.x, bar}, parent}}));
}

TEST(ImageNachfahren, RowsTakeTheLargestExtentUnlessOptimised)
{
    TAhnenData data = test::DataFromGedcom(kDescendantFamily);
    auto labels = [&data](int64_t p) {
        TArrayOfString lines{data.Persons[p].Id};
        if (data.Persons[p].Id == "I4") lines.insert(lines.end(), {"a", "b"});
        return lines;
    };
    for (bool optimised : {false, true}) {
        SCOPED_TRACE(optimised);
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.NodeHeightOpt = optimised;
        test::FixedMeasure measure;
        TImage_Nachfahren chart(data, settings, measure);
        ASSERT_TRUE(chart.Layout(labels));
        ASSERT_EQ(chart.RowCount(), 3);
        // One line: 10 + 2r + 15 = 35; three lines: 55.
        EXPECT_EQ(chart.RowExtent()[0], optimised ? 35 : 55);
        EXPECT_EQ(chart.RowExtent()[2], 55);
        EXPECT_EQ(chart.TotalAlong(), chart.Pitch() + chart.RowExtent()[0] + chart.RowExtent()[1] +
                                          chart.RowExtent()[2]);
        EXPECT_EQ(chart.Height, chart.TotalAlong());
        EXPECT_EQ(chart.PositionOf(test::Person(data, "I1")).y, chart.Pitch() / 2);
    }
}

}  // namespace
}  // namespace qv
