// Which bent child lines stay bent, and how they are stacked in their gap.
#include "charts/tree/line_plan.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace qv {
namespace {

// A line across a gap 40 pixels deep, from (lowerX, 100) up to (upperX, 60).
TLineEntry Line(int32_t lowerX, int32_t upperX, int32_t span = 1)
{
    return {{lowerX, 100}, {upperX, 60}, span};
}

TLineGen Gap(const std::vector<TLineEntry>& bends)
{
    TLineGen gap;
    gap.Bends = bends;
    for (TLineEntry line : bends) {
        line.Span = 0;
        gap.Segments.push_back(line);
    }
    return gap;
}

std::vector<int32_t> LowerXs(const std::vector<TLineEntry>& lines)
{
    std::vector<int32_t> xs;
    for (const TLineEntry& line : lines) xs.push_back(line.Lower.x);
    return xs;
}

TEST(PruneBends, KeepsOnlyLinesThatNeedTheirBend)
{
    struct Case {
        const char* name;
        std::vector<TLineEntry> bends;
        std::vector<int32_t> kept;  // lower x of the lines that stay, ascending
    } cases[] = {
        {"steep line alone", {Line(0, 30)}, {}},
        {"over two rows", {Line(0, 30, 2)}, {0}},
        {"flatter than 3", {Line(0, 130)}, {0}},
        {"flat exactly 3", {Line(0, 120)}, {}},
        // Both run to the right and share 50 pixels across, more than half the extent (20).
        {"long overlap same way", {Line(0, 60), Line(10, 70)}, {0, 10}},
        {"short overlap same way", {Line(0, 30), Line(15, 45)}, {}},
        {"overlap against each other", {Line(0, 30), Line(40, 10)}, {0, 40}},
        {"no overlap", {Line(0, 30), Line(40, 70)}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLineGen gap = Gap(c.bends);
        PruneBends(gap, 40, false);
        std::vector<int32_t> kept = LowerXs(gap.Bends);
        std::sort(kept.begin(), kept.end());
        EXPECT_EQ(kept, c.kept);
        TLineGen interactive = Gap(c.bends);
        PruneBends(interactive, 40, true);
        EXPECT_EQ(interactive.Bends.size(), c.bends.size());
    }
}

TEST(PruneBends, StacksLinesRunningTheSameWayWithoutCrossing)
{
    // Lines running right (upper beyond lower) stack by descending left end, lines running
    // left by ascending left end; the two directions keep their places among each other.
    TLineGen gap = Gap({Line(0, 300, 2), Line(100, 400, 2), Line(500, 200, 2), Line(600, 150, 2),
                        Line(50, 350, 2)});
    PruneBends(gap, 40, false);
    EXPECT_EQ(LowerXs(gap.Bends), (std::vector<int32_t>{100, 50, 600, 500, 0}));
}

TEST(PlanLines, StraightLineToParentsInTheNextRowIsNoBend)
{
    // Person 0 in row 0 below its parents 1 and 2 in row 1; person 3 in row 0 below its
    // parents 4 and 5 two rows up.
    TAhnenData data(6, 2);
    data.Families[0].Husband = 1;
    data.Families[0].Wife = 2;
    data.Families[1].Husband = 4;
    data.Families[1].Wife = 5;
    data.Persons[0].ParentFamily = 0;
    data.Persons[3].ParentFamily = 1;
    TArrayOfBoolean drawn(6, true);
    std::vector<int32_t> rows{0, 1, 1, 0, 2, 2};
    std::vector<Point> positions{{10, 100}, {0, 60}, {20, 60}, {200, 100}, {100, 20}, {140, 20}};
    std::vector<int32_t> coordinates{100, 60, 20};
    std::vector<TLineGen> plan = PlanLines({data, drawn, rows, positions, coordinates});
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_TRUE(plan[0].Bends.empty());
    ASSERT_EQ(plan[0].Segments.size(), 2u);
    EXPECT_EQ(plan[0].Segments[0], (TLineEntry{{10, 100}, {10, 60}, 0}));
    // The far line bends in the gap next to its parents and passes the row between.
    EXPECT_EQ(plan[0].Segments[1], (TLineEntry{{200, 100}, {120, 20}, 0}));
    ASSERT_EQ(plan[1].Bends.size(), 1u);
    EXPECT_EQ(plan[1].Bends[0], (TLineEntry{{200, 60}, {120, 20}, 2}));
}

}  // namespace
}  // namespace qv
