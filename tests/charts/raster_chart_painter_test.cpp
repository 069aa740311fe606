// The raster back-end: halos, shapes with and without outline, text without a box, lines.
#include "charts/raster_chart_painter.h"

#include <cmath>

#include <gtest/gtest.h>

#include "render/rotated_text.h"

#include "../render/picture_text.h"

namespace qv {
namespace {

using Rows = std::vector<std::string>;

// Blue pixels left of a blue line crossed by a label.
int LineLeftUnderLabel(bool halo)
{
    ChartPainterStyle style;
    style.labelHalo = halo;
    Bitmap bitmap(40, 20);
    RasterChartPainter painter(bitmap, style);
    TBitmapLine line(40, 20);
    line.Color = 0x0000FF;
    line.AddSegment({0, 8}, {39, 8});
    EXPECT_TRUE(painter.Lines(line, {0, 0}));
    painter.LabelLine({2, 0}, kWhite, "W W");
    int blue = 0;
    for (int x = 0; x < 40; ++x) blue += bitmap.Pixel(x, 8) == 0x0000FFu;
    return blue;
}

TEST(RasterChartPainter, HaloClearsACrossingLine)
{
    EXPECT_LT(LineLeftUnderLabel(true) + 4, LineLeftUnderLabel(false));
}

TEST(RasterChartPainter, ShapesWithAndWithoutOutline)
{
    Bitmap bitmap(12, 6);
    RasterChartPainter painter(bitmap, ChartPainterStyle());
    painter.Rectangle({1, 1}, {5, 5}, {0x00FF00, kBlack, 1});
    painter.Rectangle({10, 5}, {7, 1}, {kBlack, 0x00FF00, 0});      // corners in any order
    painter.Rectangle({0, 0}, {12, 6}, {std::nullopt, kBlack, 0});  // nothing at all
    EXPECT_EQ(test::PictureText(bitmap), (Rows{
                                             "............",
                                             ".####..###..",
                                             ".#++#..###..",
                                             ".#++#..###..",
                                             ".####..###..",
                                             "............",
                                         }));

    Bitmap round(8, 8);
    RasterChartPainter roundPainter(round, ChartPainterStyle());
    roundPainter.Ellipse({0, 0}, {8, 8}, {kBlack, 0x00FF00, 0});
    const Point wedge[] = {{0, 0}, {6, 0}, {0, 6}};
    roundPainter.Polygon(wedge, {std::nullopt, kBlack, 1});
    int green = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) green += round.Pixel(x, y) == 0x00FF00u;
    EXPECT_EQ(green, 0);  // without an outline the rim takes the fill colour
    EXPECT_EQ(round.Pixel(4, 4), kBlack);
    EXPECT_EQ(round.Pixel(1, 0), kBlack);  // the polygon's outline, outside the disc
}

TEST(RasterChartPainter, TextHasNoBackgroundBox)
{
    ChartPainterStyle style;
    style.font.smooth = false;
    Bitmap bitmap(60, 20, 0x00FF00);
    RasterChartPainter painter(bitmap, style);
    painter.Text({2, 2},
                 "Ida\x0E"
                 "2",
                 0x0000FF);
    painter.Text({2, 2}, "\xC3(bad");
    int blue = 0, other = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor c = bitmap.Pixel(x, y);
            blue += c == 0x0000FFu;
            other += c != 0x0000FFu && c != 0x00FF00u;
        }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(other, 0);
}

TEST(RasterChartPainter, ShapesAfterLinesLandOnTheSamePicture)
{
    ChartPainterStyle style;
    style.smoothLines = true;
    Bitmap bitmap(20, 10);
    RasterChartPainter painter(bitmap, style);
    painter.Rectangle({0, 0}, {4, 4}, {kBlack, kBlack, 0});
    TBitmapLine lines(10, 10);
    lines.AddSegment({0, 5}, {8, 5});
    EXPECT_TRUE(painter.Lines(lines, {10, 0}));
    painter.Rectangle({0, 6}, {4, 10}, {kBlack, kBlack, 0});
    EXPECT_EQ(bitmap.Pixel(1, 1), kBlack);
    EXPECT_EQ(bitmap.Pixel(1, 8), kBlack);
    EXPECT_EQ(bitmap.Pixel(14, 5), kBlack);  // the line moved by the offset
    EXPECT_EQ(bitmap.Pixel(4, 5), kWhite);
}

// A two-line block is its lines, each turned about its own centre one line height apart
// along the turned block.
TEST(RasterChartPainter, TextBlockDrawsEachLineAboutItsOwnCentre)
{
    ChartPainterStyle style;
    Bitmap block(120, 120, 0xC0C0FF);
    RasterChartPainter painter(block, style);
    painter.RotatedBlock({{60, 60}, {"Anna", "1900"}, 12, -1.0, kBlack, 0xC0C0FF});

    Bitmap lines(120, 120, 0xC0C0FF);
    {
        Canvas canvas(lines);
        canvas.SetFont({"Arial", 12});
        const double pitch = canvas.Extent(kLineHeightSample).height;
        // Counter-clockwise by one radian: the block's downward axis is (sin 1, cos 1).
        const double dx = std::sin(1.0) * pitch / 2, dy = std::cos(1.0) * pitch / 2;
        DrawRotatedText(canvas, u"Anna",
                        {int(std::nearbyint(60 - dx)), int(std::nearbyint(60 - dy))}, 0xC0C0FF,
                        -1.0);
        DrawRotatedText(canvas, u"1900",
                        {int(std::nearbyint(60 + dx)), int(std::nearbyint(60 + dy))}, 0xC0C0FF,
                        -1.0);
    }
    EXPECT_TRUE(block.Image() == lines.Image());
    EXPECT_FALSE(block.Image() == Bitmap(120, 120, 0xC0C0FF).Image());
}

TEST(RasterChartPainter, RealCornersRoundHalvesToEven)
{
    ChartPainterStyle style;
    Bitmap real(20, 20), whole(20, 20);
    RasterChartPainter(real, style)
        .PolygonF(std::vector<PointF>{{2.5, 2.5}, {11.5, 3.4}, {6.6, 13.5}}, {kBlack, kBlack, 1});
    const Point corners[] = {{2, 2}, {12, 3}, {7, 14}};
    RasterChartPainter(whole, style).Polygon(corners, {kBlack, kBlack, 1});
    EXPECT_TRUE(real.Image() == whole.Image());
}

// Crossing lines keep every pixel: no gap is cut as the tree charts' lines get.
TEST(RasterChartPainter, PlainLinesCrossWithoutGaps)
{
    ChartPainterStyle style;
    TBitmapLine lines(30, 30);
    lines.AddSegment({0, 15}, {30, 15});
    lines.AddSegment({15, 0}, {15, 30});
    Bitmap plain(30, 30), gapped(30, 30);
    EXPECT_TRUE(RasterChartPainter(plain, style).PlainLines(lines, {0, 0}));
    EXPECT_TRUE(RasterChartPainter(gapped, style).Lines(lines, {0, 0}));
    EXPECT_EQ(plain.Pixel(14, 15), kBlack);
    EXPECT_EQ(gapped.Pixel(14, 15), kWhite);
}

}  // namespace
}  // namespace qv
