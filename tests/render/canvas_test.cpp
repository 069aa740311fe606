// The canvas conventions the chart layouts rely on.
#include "render/canvas.h"

#include <gtest/gtest.h>

#include "picture_text.h"

namespace qv {
namespace {

using test::PictureText;

TEST(Canvas, ShapesCoverTheirBoxWithoutTheRightAndBottomEdge)
{
    Bitmap bitmap(8, 6);
    {
        Canvas canvas(bitmap);
        canvas.SetPen(kBlack);
        canvas.SetBrush(0x00FF00);
        canvas.Rectangle(1, 1, 6, 5);
        canvas.SetBrush(kBlack);
        canvas.FillRect(7, 0, 9, 2);
    }
    EXPECT_EQ(PictureText(bitmap), (std::vector<std::string>{
                                       ".......#",
                                       ".#####.#",
                                       ".#+++#..",
                                       ".#+++#..",
                                       ".#####..",
                                       "........",
                                   }));
}

TEST(Canvas, TextBackgroundFollowsTheBrush)
{
    Bitmap opaque(60, 30, 0x00FF00), clear(60, 30, 0x00FF00);
    {
        Canvas canvas(opaque);
        canvas.SetBrush(kWhite);
        canvas.TextOut(2, 2, u"Ab");
    }
    {
        Canvas canvas(clear);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.TextOut(2, 2, u"Ab");
    }
    // The cell's top-left pixel lies in the box but outside every glyph.
    EXPECT_EQ(opaque.Pixel(2, 2), kWhite);
    EXPECT_EQ(clear.Pixel(2, 2), 0x00FF00u);
    EXPECT_EQ(opaque.Pixel(1, 2), 0x00FF00u);
    int ink = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) ink += clear.Pixel(x, y) != 0x00FF00;
    EXPECT_GT(ink, 10);
}

TEST(Canvas, TransparentDrawSkipsTheKeyColour)
{
    Bitmap picture(2, 1, 0x800080);
    picture.SetPixel(1, 0, 0x112233);
    Bitmap target(4, 1);
    {
        Canvas canvas(target);
        canvas.DrawTransparent(1, 0, picture, 0x800080);
        canvas.DrawTransparent(3, 0, picture, 0x800080);  // half outside
    }
    EXPECT_EQ(target.Pixel(1, 0), kWhite);
    EXPECT_EQ(target.Pixel(2, 0), 0x112233u);
    EXPECT_EQ(target.Pixel(3, 0), kWhite);
}

}  // namespace
}  // namespace qv
