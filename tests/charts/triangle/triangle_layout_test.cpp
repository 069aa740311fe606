// The triangle diagram's geometry, shared numbers, average line and legend cells.
#include <cmath>

#include <gtest/gtest.h>

#include "charts/triangle/triangle_geometry.h"
#include "charts/triangle/triangle_legend.h"
#include "charts/triangle/triangle_points.h"

namespace qv {
namespace {

Point Minus(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

TEST(TriangleGeometry, GenerationsOfASide)
{
    EXPECT_EQ(SideGenerations(5, true), 0);
    EXPECT_EQ(SideGenerations(0, false), 0) << "the proband alone spans nothing";
    EXPECT_EQ(SideGenerations(1, false), 2);
    EXPECT_EQ(SideGenerations(7, false), 8);
}

TEST(TriangleGeometry, ValuesBecomePixelsFromTheOrigin)
{
    const TriangleGeometry geometry(0, 3, 2);
    EXPECT_EQ(geometry.Origin(), (Point{300, 273}));
    EXPECT_EQ(geometry.Width(), 700);
    EXPECT_EQ(geometry.TriangleHeight(), 633);
    // gbs 2, g'b 1: 200 - 50 along, 86.6 across, truncated.
    EXPECT_EQ(geometry.Place(1, 1, 2), (Point{450, 359}));
    EXPECT_EQ(geometry.Place(-1, 1, 2), (Point{150, 187}));
    EXPECT_EQ(geometry.Place(1, 0, 0), geometry.Origin());
}

// Every direction: descendants opposite the ancestors, direction 1 the mirror of direction 0,
// 2 and 3 mirrored in one axis only, and both triangles inside the chart.
TEST(TriangleGeometry, DirectionsMirrorThroughTheProband)
{
    const Point reference = Minus(TriangleGeometry(0, 4, 3).Place(1, 1.5, 2.25),
                                  TriangleGeometry(0, 4, 3).Origin());
    const Point expected[4] = {reference,
                               {-reference.x, -reference.y},
                               {reference.x, -reference.y},
                               {-reference.x, reference.y}};
    for (int direction = 0; direction < 4; ++direction) {
        SCOPED_TRACE(direction);
        const TriangleGeometry geometry(direction, 4, 3);
        const Point origin = geometry.Origin();
        EXPECT_EQ(Minus(geometry.Place(1, 1.5, 2.25), origin), expected[direction]);
        const Point down = Minus(geometry.Place(-1, 1.5, 2.25), origin);
        EXPECT_EQ(down, (Point{-expected[direction].x, -expected[direction].y}));
        for (int side : {1, -1}) {
            const double n = geometry.Generations(side);
            for (Point corner : {geometry.Place(side, 0, n), geometry.Place(side, n, n)}) {
                EXPECT_GE(corner.x, 0);
                EXPECT_LE(corner.x, geometry.Width());
                EXPECT_GE(corner.y, 0);
                EXPECT_LE(corner.y, geometry.TriangleHeight());
            }
        }
    }
}

TEST(TrianglePoints, EqualPointsOnOneSideShareANumber)
{
    const std::vector<TrianglePoint> points = {
        {0, -1, 0, 0}, {1, 1, 1, 1}, {2, 1, 2, 2}, {3, 1, 1, 1},
        {4, -1, 1, 1}, {5, 1, 2, 2}, {6, 1, 2, 1.5f},
    };
    EXPECT_EQ(SharedNumbers(points), (std::vector<int32_t>{1, 2, 3, 2, 4, 3, 5}));
}

TEST(TrianglePoints, AverageLineWeighsPersonsBetweenGenerationsIntoBoth)
{
    const std::vector<TrianglePoint> points = {
        {0, 1, 1.25f, 1}, {1, 1, 2, 2}, {2, -1, 1, 1}, {3, -1, 0, 0}};
    const auto line = AverageLine(points, 1, 3);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_DOUBLE_EQ(line[0].first, 1.0);
    EXPECT_EQ(line[0].second, 1);
    EXPECT_DOUBLE_EQ(line[1].first, (0.25 * 1 + 2) / 1.25);
    EXPECT_EQ(line[1].second, 2);
    const auto descendants = AverageLine(points, -1, 2);
    ASSERT_EQ(descendants.size(), 2u);
    EXPECT_EQ(descendants[0], (std::pair<double, int32_t>{0, 0}));
    EXPECT_EQ(descendants[1], (std::pair<double, int32_t>{1, 1}));
}

TEST(TriangleLegend, CellsFillRowsBetweenTheMargins)
{
    const TriangleLegend legend(700, 100, 120, 30, 9);
    EXPECT_EQ(legend.Columns(), 4);
    EXPECT_EQ(legend.Rows(), 3);
    EXPECT_EQ(legend.Height(), 90);
    EXPECT_EQ(legend.Width(), 700);
    EXPECT_EQ(legend.Cell(0, 500), (Point{100, 500}));
    EXPECT_EQ(legend.Cell(3, 500), (Point{460, 500}));
    EXPECT_EQ(legend.Cell(4, 500), (Point{100, 530}));
}

// A cell wider than the room between the margins: one per row, and the chart widens to
// hold it, where the plain column count would come to none (and divide by it).
TEST(TriangleLegend, ACellWiderThanTheChartStillGetsARow)
{
    const TriangleLegend legend(200, 100, 350, 20, 3);
    EXPECT_EQ(legend.Columns(), 1);
    EXPECT_EQ(legend.Rows(), 3);
    EXPECT_EQ(legend.Width(), 550);
    EXPECT_EQ(legend.Cell(2, 0), (Point{100, 40}));
    EXPECT_EQ(TriangleLegend(200, 100, 350, 20, 0).Width(), 200) << "no cells, no widening";
}

}  // namespace
}  // namespace qv
