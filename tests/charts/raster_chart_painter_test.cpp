// The raster back-end: halos, shapes with and without outline, text without a box, lines.
#include "charts/raster_chart_painter.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qv
