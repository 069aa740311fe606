// Comment blocks rendered from HTML at a given width.
#include "render/html_fragment.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

int InkRows(const Bitmap& bitmap)
{
    int rows = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        bool ink = false;
        for (int x = 0; x < bitmap.Width() && !ink; ++x) ink = bitmap.Pixel(x, y) != kWhite;
        rows += ink;
    }
    return rows;
}

TEST(HtmlFragment, TakesTheWidthAndTheDocumentsHeight)
{
    std::vector<std::string> lines = {"<p>Stammbaum der Familie M\xC3\xBCller,",
                                      "erstellt f\xC3\xBCr die Ahnenforschung.</p>"};
    Bitmap wide = RenderHtmlFragment(lines, 600);
    Bitmap narrow = RenderHtmlFragment(lines, 120);
    EXPECT_EQ(wide.Width(), 600);
    EXPECT_EQ(narrow.Width(), 120);
    EXPECT_GT(wide.Height(), 16);
    // Narrow, the words wrap onto more lines.
    EXPECT_GT(narrow.Height(), 2 * wide.Height());
    EXPECT_GT(InkRows(wide), 8);
    EXPECT_EQ(wide.Pixel(0, 0), kWhite);
}

TEST(HtmlFragment, PointSizesMeanNinetySixDotsPerInch)
{
    Bitmap small = RenderHtmlFragment({"<font style=\"font-size:10pt\">Hg</font>"}, 100);
    Bitmap large = RenderHtmlFragment({"<font style=\"font-size:30pt\">Hg</font>"}, 100);
    // 30 pt is 40 pixels: the line alone is taller than that.
    EXPECT_GT(large.Height(), 40 + 16);
    EXPECT_LT(small.Height(), 40);
    EXPECT_EQ(RenderHtmlFragment({"<p>x</p>"}, 0).Width(), 0);
}

}  // namespace
}  // namespace qv
