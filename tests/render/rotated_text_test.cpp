// Bilinear rotation and text drawn at an angle.
#include "render/rotated_text.h"

#include <numbers>

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(RotateBitmap, TurnsClockwiseAboutTheCentre)
{
    Bitmap source(9, 9);
    source.SetPixel(6, 4, kBlack);
    source.SetPixel(4, 2, 0x0000FF);
    Bitmap quarter = RotateBitmap(source, {4, 4}, kWhite, kPi / 2);
    EXPECT_EQ(quarter.Pixel(4, 6), kBlack);     // right of the centre turns to below it
    EXPECT_EQ(quarter.Pixel(6, 4), 0x0000FFu);  // above turns to the right
    EXPECT_EQ(quarter.Pixel(6, 5), kWhite);
    Bitmap half = RotateBitmap(source, {4, 4}, kWhite, kPi);
    EXPECT_EQ(half.Pixel(2, 4), kBlack);
    Bitmap none = RotateBitmap(source, {4, 4}, kWhite, 0);
    EXPECT_TRUE(none.Image() == source.Image());
}

TEST(RotateBitmap, SamplesBetweenPixelsAndOutsideAsBackground)
{
    Bitmap source(2, 1, kBlack);
    // Half a pixel along: every sample lies between two pixels or the outside.
    Bitmap turned = RotateBitmap(source, {0.5, 0}, 0x00FF00, kPi);
    EXPECT_EQ(turned.Pixel(0, 0), kBlack);
    EXPECT_EQ(turned.Pixel(1, 0), kBlack);
    Bitmap tilted = RotateBitmap(Bitmap(3, 3, kBlack), {1, 1}, kWhite, kPi / 4);
    EXPECT_EQ(tilted.Pixel(1, 1), kBlack);
    // The corner samples at distance sqrt(2) on an axis, partly outside: a mixed grey.
    TColor corner = tilted.Pixel(0, 0);
    EXPECT_NE(corner, kBlack);
    EXPECT_NE(corner, kWhite);
    EXPECT_EQ(ColorRed(corner), ColorBlue(corner));
}

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

InkBox FindInk(const Bitmap& bitmap, TColor paper)
{
    InkBox box;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) != paper) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
    return box;
}

TEST(RotatedText, StandsUprightAtAQuarterTurnAndKeepsTheChartAround)
{
    const TColor chart = 0xF0F0F0;
    Bitmap level(200, 200, chart), turned(200, 200, chart);
    {
        Canvas canvas(level);
        DrawRotatedText(canvas, u"Generation", {100, 100}, chart, 0);
    }
    {
        Canvas canvas(turned);
        DrawRotatedText(canvas, u"Generation", {100, 100}, chart, kPi / 2);
    }
    InkBox flat = FindInk(level, chart), upright = FindInk(turned, chart);
    ASSERT_GE(flat.right, 0);
    ASSERT_GE(upright.right, 0);
    EXPECT_GT(flat.right - flat.left, 3 * (flat.bottom - flat.top));
    EXPECT_GT(upright.bottom - upright.top, 3 * (upright.right - upright.left));
    EXPECT_NEAR((flat.left + flat.right) / 2.0, 100, 3);
    EXPECT_NEAR((upright.top + upright.bottom) / 2.0, 100, 3);
}

}  // namespace
}  // namespace qv
