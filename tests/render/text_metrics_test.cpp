// "Arial" at 96 pixels per inch, and the widths the PDF fonts are given.
#include "render/text_metrics.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextMetrics, PointsBecomePixelsAt96Dpi)
{
    struct Case {
        int points, pixels;
    } cases[] = {{11, 15}, {8, 11}, {9, 12}, {10, 13}, {12, 16}, {7, 9}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(FontPixelHeight(c.points), c.pixels);
    }
}

TEST(TextMetrics, ArialIsTheMetricTwinLiberationSans)
{
    TextMetrics metrics(FontSpec{});
    EXPECT_EQ(QFontInfo(metrics.Font()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(metrics.Font()).pixelSize(), 15);
    // The cell height does not depend on the text.
    EXPECT_EQ(metrics.Height(), metrics.Extent(u"x").height);
    EXPECT_GT(metrics.Height(), 15);
    EXPECT_LT(metrics.Width(u"iiii"), metrics.Width(u"WWWW"));
    EXPECT_EQ(metrics.Width(u""), 0);
}

TEST(TextMetrics, PdfWidthsAreThousandthsOfTheEm)
{
    // Arial's (and Helvetica's) advance widths in thousandths of the em.
    struct Case {
        char16_t unit;
        int width;
    } cases[] = {{u' ', 278}, {u'A', 667}, {u'i', 222}, {u'W', 944}, {u'0', 556}, {u'ü', 556}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.unit));
        EXPECT_NEAR(PdfGlyphWidth(c.unit), c.width, 1);
    }
}

}  // namespace
}  // namespace qv
