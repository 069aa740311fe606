// The line layer: gaps at crossings, shared vertices, tiles, supersampling and SVG chains.
#include "render/bitmap_line.h"

#include <random>

#include <gtest/gtest.h>

#include "line_reference.h"
#include "picture_text.h"
#include "render/scalable_vector_graphics.h"

namespace qv {
namespace {

using test::PictureText;
using test::RowText;

TEST(BitmapLine, GapAroundACrossingButNotAtASharedVertex)
{
    TBitmapLine crossing(20, 8);
    crossing.AddSegment({0, 4}, {19, 4});
    crossing.AddSegment({10, 0}, {10, 8});
    Bitmap cut(20, 8);
    ASSERT_TRUE(crossing.Draw(cut, 0, 0, false));
    EXPECT_EQ(PictureText(cut), (std::vector<std::string>{
                                    "..........#.........",
                                    "..........#.........",
                                    "..........#.........",
                                    "..........#.........",
                                    "########..#..######.",
                                    "..........#.........",
                                    "..........#.........",
                                    "..........#.........",
                                }));

    // Any common point, not only an end point, protects the earlier line.
    TBitmapLine shared(20, 8);
    Point horizontal[] = {{0, 4}, {19, 4}, {19, 7}};
    shared.AddLine(horizontal, 2);
    shared.AddLine(std::vector<Point>{{10, 0}, {10, 8}, {19, 7}});
    Bitmap whole(20, 8);
    ASSERT_TRUE(shared.Draw(whole, 0, 0, false));
    EXPECT_EQ(RowText(whole, 4, 0, 20), "####################");

    Bitmap plain(20, 8);
    ASSERT_TRUE(crossing.DrawPlain(plain, 0, 0, false));
    EXPECT_EQ(RowText(plain, 4, 0, 20), "###################.");
}

TEST(BitmapLine, DegenerateLinesAndFinalPointsDrawNothing)
{
    TBitmapLine layer(10, 3);
    layer.AddLine(std::vector<Point>{{4, 1}});
    layer.AddSegment({6, 1}, {6, 1});
    layer.AddLine(nullptr, -1);
    layer.AddSegment({0, 2}, {3, 2});
    Bitmap bitmap(10, 3);
    ASSERT_TRUE(layer.Draw(bitmap, 0, 0, false));
    EXPECT_EQ(PictureText(bitmap),
              (std::vector<std::string>{"..........", "..........", "###......."}));
    Bitmap smooth(10, 3);
    ASSERT_TRUE(layer.Draw(smooth, 0, 0, true));
    EXPECT_EQ(RowText(smooth, 1, 0, 10), "..........");
}

TEST(BitmapLine, SupersampledPenCoversInnerPixelsExactly)
{
    const TColor blue = 0xC04020;
    TBitmapLine layer(12, 3);
    layer.Color = blue;
    layer.AddSegment({2, 1}, {10, 1});
    Bitmap bitmap(12, 3);
    ASSERT_TRUE(layer.Draw(bitmap, 0, 0, true));
    // First pixel: 14 of 16 sub-cells (cut corners); last point: only the pen's overhang.
    EXPECT_EQ(bitmap.Pixel(2, 1), Blend(kWhite, blue, 14 / 16.0));
    for (int x = 3; x < 10; ++x) EXPECT_EQ(bitmap.Pixel(x, 1), blue) << x;
    EXPECT_EQ(bitmap.Pixel(10, 1), Blend(kWhite, blue, 10 / 16.0));
    EXPECT_EQ(bitmap.Pixel(11, 1), kWhite);
    EXPECT_EQ(RowText(bitmap, 0, 0, 12), "............");

    // A second pass mixes with what is there: edges darken, full pixels stay.
    ASSERT_TRUE(layer.Draw(bitmap, 0, 0, true));
    EXPECT_EQ(bitmap.Pixel(2, 1), Blend(Blend(kWhite, blue, 14 / 16.0), blue, 14 / 16.0));
    EXPECT_EQ(bitmap.Pixel(5, 1), blue);
}

TEST(BitmapLine, ContinuousAcrossTileBordersWithGapsOnBothSides)
{
    TBitmapLine layer(2100, 10);
    layer.AddSegment({1000, 5}, {2090, 5});
    layer.AddSegment({1024, 0}, {1024, 10});
    Bitmap bitmap(2100, 10);
    ASSERT_TRUE(layer.Draw(bitmap, 0, 0, false));
    EXPECT_EQ(RowText(bitmap, 5, 1018, 1030), "####..#..###");
    EXPECT_EQ(RowText(bitmap, 5, 2040, 2048), "########");
    EXPECT_EQ(RowText(bitmap, 5, 2088, 2092), "##..");

    Bitmap smooth(2100, 10);
    ASSERT_TRUE(layer.DrawPlain(smooth, 0, 0, true));
    for (int x = 1001; x < 2090; ++x) ASSERT_EQ(smooth.Pixel(x, 5), kBlack) << x;
}

// Cells left of the first tile are not rendered, even when an offset would bring them in.
TEST(BitmapLine, OffsetsMoveThePictureAndFarLinesAreClipped)
{
    TBitmapLine layer(6, 4);
    layer.AddSegment({0, 0}, {3, 0});
    layer.AddSegment({-2'000'000'000, 1}, {2'000'000'000, 1});
    Bitmap bitmap(8, 4);
    ASSERT_TRUE(layer.DrawPlain(bitmap, 2, 2, false));
    EXPECT_EQ(PictureText(bitmap),
              (std::vector<std::string>{"........", "........", "..###...", "..######"}));
}

TEST(BitmapLine, MatchesTheLiteralRenderingOnRandomCharts)
{
    std::mt19937 random(11);
    // Around the first tile border, longer than the index buckets of 32 pixels.
    std::uniform_int_distribution<int> x(950, 1100), y(-3, 45), points(1, 4);
    for (int round = 0; round < 2; ++round) {
        TBitmapLine layer(1120, 45);
        layer.Color = 0x203040;
        for (int i = 0; i < 20; ++i) {
            std::vector<Point> line;
            for (int k = points(random); k > 0; --k) line.push_back({x(random), y(random)});
            // Some lines continue others, so shared vertices occur.
            if (i > 0 && i % 3 == 0) line.insert(line.begin(), layer.Lines[i - 1].Points.back());
            layer.AddLine(line);
        }
        for (int mode = 0; mode < 4; ++mode) {
            bool supersample = mode & 1, gaps = mode & 2;
            SCOPED_TRACE(testing::Message() << "round " << round << " mode " << mode);
            Bitmap fast(1120, 45), literal(1120, 45);
            ASSERT_TRUE(gaps ? layer.Draw(fast, 1, -1, supersample)
                             : layer.DrawPlain(fast, 1, -1, supersample));
            test::ReferenceLines(layer, supersample, gaps).Render(literal, 1, -1);
            ASSERT_TRUE(fast.Image() == literal.Image());
        }
    }
}

TEST(BitmapLine, ReportsVisibleTilesAndStopsOnCancel)
{
    std::vector<std::pair<int64_t, int64_t>> calls;
    auto progress = [&](const std::string& text, int64_t position, int64_t maximum) {
        EXPECT_EQ(text, "Zeichne Linien");
        calls.push_back({position, maximum});
        return calls.size() == 2;
    };
    TBitmapLine layer(1500, 100, progress);
    layer.AddSegment({0, 50}, {1400, 50});
    Bitmap bitmap(1500, 100);
    EXPECT_FALSE(layer.Draw(bitmap, 0, 0, false));
    // Three tile columns by two rows, (q, r) reported as q * 2 + r; only the tiles (0, 0) and
    // (1, 0) reach into the bitmap, and the second was cancelled.
    EXPECT_EQ(calls, (std::vector<std::pair<int64_t, int64_t>>{{0, 6}, {2, 6}}));
    EXPECT_EQ(RowText(bitmap, 50, 1020, 1028), "####....");

    calls.clear();
    TBitmapLine huge(2'000'000'000, 2'000'000'000, progress);
    huge.AddSegment({0, 1}, {2'000'000'000, 1});
    Bitmap small(10, 3);
    EXPECT_TRUE(huge.DrawPlain(small, -1024, 0, false));
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(RowText(small, 1, 0, 10), "##########");
}

TEST(BitmapLine, SvgJoinsLinesThatContinueLaterOnes)
{
    TBitmapLine layer(100, 100);
    layer.Color = 0x0000FF;
    layer.AddSegment({0, 0}, {10, 0});     // A
    layer.AddSegment({20, 20}, {10, 0});   // B ends where A ends: appended reversed
    layer.AddSegment({20, 20}, {20, 40});  // C continues from B's start
    layer.AddSegment({50, 50}, {0, 0});    // D ends at A's start, but A is earlier: own chain
    TScalableVectorGraphics svg;
    ASSERT_TRUE(layer.DrawSVG(svg, 1, 2));
    EXPECT_EQ(svg.Body, (std::vector<std::string>{
                            "<g stroke=\"#F00\" stroke-width=\"1\" style=\"pointer-events:none\">",
                            "<path d=\"M1 2H11L21 22V42M51 52L1 2\" fill=\"none\"/>",
                            "</g>",
                        }));
}

TEST(BitmapLine, SvgPrefersTheEarliestContinuation)
{
    TBitmapLine layer(100, 100);
    layer.AddSegment({0, 0}, {5, 0});
    layer.AddSegment({9, 9}, {5, 0});  // earlier, matches by its last point
    layer.AddSegment({5, 0}, {5, 9});  // later, matches by its first point
    TScalableVectorGraphics svg;
    ASSERT_TRUE(layer.DrawSVG(svg, 0, 0));
    EXPECT_EQ(svg.Body[1], "<path d=\"M0 0H5L9 9M5 0V9\" fill=\"none\"/>");
}

}  // namespace
}  // namespace qv
