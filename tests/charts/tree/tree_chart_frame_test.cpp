// Joining the two charts at the proband, generation bands and caption places.
#include "charts/tree/tree_chart_frame.h"

#include <gtest/gtest.h>

#include "charts/tree/generation_offset.h"
#include "charts/tree/tree_fixture.h"
#include "charts/tree/tree_orientation.h"

namespace qv {
namespace {

using test::Fam;

// I1 with parents I2 and I3, grandparents I4 and I5, a son I6 and grandson I7.
const std::string kFrameFamily =
    test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7"}, {{"F1", "I2", "I3", {"I1"}},
                                                                  {"F2", "I4", "I5", {"I2"}},
                                                                  {"F3", "I1", "", {"I6"}},
                                                                  {"F4", "I6", "", {"I7"}}});

TEST(JoinAtProband, BothChartsPutTheProbandOnOnePoint)
{
    struct Case {
        Point a;
        int32_t wa, ha;
        Point d;
        int32_t wd, hd;
        int32_t width, height;
    } cases[] = {
        {{50, 90}, 100, 100, {20, 10}, 40, 60, 100, 140},
        {{10, 5}, 30, 10, {60, 5}, 200, 10, 200, 10},
        {{0, 0}, 10, 10, {0, 0}, 10, 10, 10, 10},
    };
    for (const Case& c : cases) {
        TreeChartFrame frame = JoinAtProband(c.a, c.wa, c.ha, c.d, c.wd, c.hd);
        EXPECT_EQ(frame.CombinedWidth, c.width);
        EXPECT_EQ(frame.CombinedHeight, c.height);
        EXPECT_EQ(frame.AncestorOrigin.x + c.a.x, frame.DescendantOrigin.x + c.d.x);
        EXPECT_EQ(frame.AncestorOrigin.y + c.a.y, frame.DescendantOrigin.y + c.d.y);
        EXPECT_GE(std::min(frame.AncestorOrigin.x, frame.DescendantOrigin.x), 0);
        EXPECT_EQ(std::min(frame.AncestorOrigin.y, frame.DescendantOrigin.y), 0);
    }
}

struct Charts {
    TAhnenData data = test::DataFromGedcom(kFrameFamily);
    TImageSettings settings;
    test::FixedMeasure measure;
    std::optional<TImage_Vorfahren> ancestors;
    std::optional<TImage_Nachfahren> descendants;

    explicit Charts(uint8_t alignment)
    {
        settings.ProbandIndex = test::Person(data, "I1");
        settings.Tree.Alignment = alignment;
        ancestors.emplace(data, settings, measure);
        descendants.emplace(data, settings, measure);
        EXPECT_TRUE(ancestors->Layout(test::IdLabels(data)));
        EXPECT_TRUE(descendants->Layout(test::IdLabels(data)));
    }

    TreeChartFrame Frame() const
    {
        const uint8_t alignment = settings.Tree.Alignment;
        Point a = OrientTreePoint(ancestors->PositionOf(settings.ProbandIndex), alignment);
        Point d = OrientTreePoint(descendants->PositionOf(settings.ProbandIndex), alignment);
        return JoinAtProband(a, ancestors->Width, ancestors->Height, d, descendants->Width,
                             descendants->Height);
    }
};

TEST(TreeChartFrame, AncestorsAndDescendantsGrowAwayFromTheProband)
{
    for (uint8_t alignment : {0, 1, 2, 3}) {
        SCOPED_TRACE(int(alignment));
        Charts charts(alignment);
        TreeChartFrame frame = charts.Frame();
        auto imagePoint = [&](const std::string& id, bool ancestor) {
            int64_t p = test::Person(charts.data, id);
            Point local = OrientTreePoint(
                ancestor ? charts.ancestors->PositionOf(p) : charts.descendants->PositionOf(p),
                alignment);
            Point origin = ancestor ? frame.AncestorOrigin : frame.DescendantOrigin;
            return Point{local.x + origin.x, local.y + origin.y};
        };
        const Point proband = imagePoint("I1", true);
        EXPECT_EQ(proband, imagePoint("I1", false));
        const Point grandfather = imagePoint("I4", true), grandson = imagePoint("I7", false);
        // "Unten -> Oben" (1) puts the ancestors above, "Oben -> Unten" (0) below; 2 and 3
        // likewise to the left and right.
        int32_t up = alignment >= 2 ? grandfather.x - proband.x : grandfather.y - proband.y;
        int32_t down = alignment >= 2 ? grandson.x - proband.x : grandson.y - proband.y;
        EXPECT_EQ(up < 0, alignment == 1 || alignment == 3);
        EXPECT_EQ(down > 0, alignment == 1 || alignment == 3);
        EXPECT_LE(std::max(grandfather.x, grandson.x), frame.CombinedWidth);
        EXPECT_LE(std::max(grandfather.y, grandson.y), frame.CombinedHeight);
    }
}

TEST(TreeChartFrame, BandsShadeEveryOtherRowAcrossThePicture)
{
    for (uint8_t alignment : {0, 1, 2, 3}) {
        SCOPED_TRACE(int(alignment));
        Charts charts(alignment);
        TreeChartFrame frame = charts.Frame();
        TreeChartMargins margins{0, 0, 7, 0, 5};
        const int32_t width = frame.CombinedWidth, height = frame.CombinedHeight + 12;
        std::vector<BandRect> bands =
            GenerationBands(*charts.ancestors, *charts.descendants, frame, margins, width, height);
        // The odd rows: the parents' row of the ancestors and the son's row of the descendants.
        ASSERT_EQ(bands.size(), 2u);
        const int32_t r = charts.settings.Symbol.Radius;
        const bool horizontal = alignment >= 2;
        for (const BandRect& band : bands) {
            if (horizontal) {
                EXPECT_EQ(band.from.y, 7);
                EXPECT_EQ(band.to.y, height - 5);
            } else {
                EXPECT_EQ(band.from.x, 0);
                EXPECT_EQ(band.to.x, width);
            }
        }
        // The parents' band covers their symbols: it starts r + 2 before the row whose
        // symbols' top edge it reaches, whichever way the rows run.
        const int32_t parentsAlong = horizontal ? frame.AncestorOrigin.x : frame.AncestorOrigin.y;
        const int32_t parentRow = charts.ancestors->RowCoordinate(1) + parentsAlong;
        const BandRect& parents = bands[0];
        const int32_t low = std::min(horizontal ? parents.from.x : parents.from.y - 7,
                                     horizontal ? parents.to.x : parents.to.y - 7);
        const int32_t high = std::max(horizontal ? parents.from.x : parents.from.y - 7,
                                      horizontal ? parents.to.x : parents.to.y - 7);
        EXPECT_LE(low, parentRow - r);
        EXPECT_GT(high, parentRow + r);
    }
}

TEST(GenerationOffset, RowsAreNumberedFromTheKekuleOnePerson)
{
    Charts charts(1);
    const int64_t i1 = test::Person(charts.data, "I1"), i6 = test::Person(charts.data, "I6");
    std::vector<SmallestKekule> numbers = SmallestKekuleNumbers(charts.data, i1);
    EXPECT_EQ(numbers[test::Person(charts.data, "I5")].Number, 5);
    EXPECT_EQ(numbers[test::Person(charts.data, "I5")].Generation, 2);
    EXPECT_EQ(numbers[i6].Number, 0);
    EXPECT_EQ(GenerationOffset(numbers, *charts.ancestors, *charts.descendants), 0);
    // With I1's son as Kekule number 1, I1 is number 2 in generation 1 and the son's row is
    // generation 0: ancestor row n shows -(n + 1), descendant row i shows i - 1.
    EXPECT_EQ(GenerationOffset(SmallestKekuleNumbers(charts.data, i6), *charts.ancestors,
                               *charts.descendants),
              1);
}

}  // namespace
}  // namespace qv
