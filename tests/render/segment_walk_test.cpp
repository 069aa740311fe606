// The clipped Bresenham walk equals a plain step-by-step walk.
#include "render/segment_walk.h"

#include <random>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

using Cells = std::vector<std::pair<int64_t, int64_t>>;

// Every step from the start, literally: the walk the clipped one must reproduce.
Cells ReferenceWalk(int64_t sx, int64_t sy, int64_t ex, int64_t ey, const CellRange& range)
{
    Cells cells;
    int64_t dx = std::llabs(ex - sx), dy = std::llabs(ey - sy);
    int64_t stepX = (ex > sx) - (ex < sx), stepY = (ey > sy) - (ey < sy);
    int64_t x = sx, y = sy;
    bool entered = false;
    auto visit = [&] {
        if (!range.Contains(x, y)) return !entered;
        entered = true;
        cells.push_back({x, y});
        return true;
    };
    if (dx < dy) {
        for (int64_t err = dy / 2; y != ey; y += stepY) {
            if (!visit()) break;
            err -= dx;
            if (err < 0) err += dy, x += stepX;
        }
    } else {
        for (int64_t err = dx / 2; x != ex;) {
            if (!visit()) break;
            x += stepX;
            err -= dy;
            if (err < 0) err += dx, y += stepY;
        }
    }
    return cells;
}

Cells Walk(int64_t sx, int64_t sy, int64_t ex, int64_t ey, const CellRange& range)
{
    Cells cells;
    WalkSegment(sx, sy, ex, ey, range, [&](int64_t x, int64_t y) { cells.push_back({x, y}); });
    return cells;
}

TEST(SegmentWalk, MatchesTheStepByStepWalkEverywhere)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int64_t> coordinate(-60, 160), corner(-20, 100), size(1, 60);
    for (int i = 0; i < 20000; ++i) {
        int64_t sx = coordinate(random), sy = coordinate(random);
        int64_t ex = coordinate(random), ey = coordinate(random);
        int64_t left = corner(random), top = corner(random);
        CellRange range{left, top, left + size(random), top + size(random)};
        SCOPED_TRACE(testing::Message() << sx << "," << sy << " -> " << ex << "," << ey);
        ASSERT_EQ(Walk(sx, sy, ex, ey, range), ReferenceWalk(sx, sy, ex, ey, range));
    }
}

TEST(SegmentWalk, EndCellAndZeroLengthAreNotVisited)
{
    CellRange all{-100, -100, 100, 100};
    EXPECT_EQ(Walk(2, 3, 5, 3, all), (Cells{{2, 3}, {3, 3}, {4, 3}}));
    EXPECT_EQ(Walk(5, 3, 5, 0, all), (Cells{{5, 3}, {5, 2}, {5, 1}}));
    EXPECT_TRUE(Walk(4, 4, 4, 4, all).empty());
}

TEST(SegmentWalk, StartsFarOutsideWithoutStepping)
{
    // Billions of steps before the range is reached: must not be walked one by one.
    CellRange range{0, 0, 4, 4};
    EXPECT_EQ(Walk(-4'000'000'000, 2, 4'000'000'000, 2, range),
              (Cells{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
    Cells diagonal = Walk(-3'000'000'001, -3'000'000'001, 3'000'000'000, 3'000'000'000, range);
    EXPECT_EQ(diagonal, (Cells{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

}  // namespace
}  // namespace qv
