// The circle chart drawn: its size, refusals, colours on the picture, the document's rings.
#include "charts/circle/image_kreisdiagramm.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "charts/circle/circle_fixture.h"
#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"
#include "render/xml_check.h"

namespace qv {
namespace {

using test::Person;
constexpr double kPi = std::numbers::pi;

TImageSettings CircleSettings(const TAhnenData& data, const std::string& proband)
{
    TImageSettings settings = test::TreeSettings(data, proband);
    settings.Circle.NodeHeight = 50;
    return settings;
}

Bitmap Picture(TImage_Kreisdiagramm& chart)
{
    EXPECT_TRUE(chart.Create());
    Bitmap bitmap(chart.Width, chart.Height, kWhite, PixelFormat::Bits24);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    EXPECT_TRUE(chart.Draw(painter, {0, 0}));
    return bitmap;
}

std::string Document(TImage_Kreisdiagramm& chart)
{
    EXPECT_TRUE(chart.Create());
    TScalableVectorGraphics svg;
    svg.Width = chart.Width;
    svg.Height = chart.Height;
    SvgChartPainter painter(svg, chart.PainterStyle());
    EXPECT_TRUE(chart.Draw(painter, {0, 0}));
    return svg.SaveToString();
}

// The colour at angle and radius (in rings) from the centre of a chart of the given rings.
TColor ColourAt(const Bitmap& bitmap, int32_t rings, double angle, double radius)
{
    const double centre = 50.0 * rings + 8;
    return bitmap.Pixel(int(std::lround(centre + std::sin(angle) * radius * 50)),
                        int(std::lround(centre + std::cos(angle) * radius * 50)));
}

TEST(ImageKreisdiagramm, ProbandWithoutParentsIsOneDiscWithoutCaptions)
{
    const TAhnenData data = test::FatherLine(0);
    TImageSettings settings = CircleSettings(data, "I0");
    settings.Circle.Generations = true;
    TImage_Kreisdiagramm chart(data, settings);
    const Bitmap picture = Picture(chart);
    EXPECT_EQ(chart.Generations(), 1);
    EXPECT_EQ(chart.Width, 116);
    EXPECT_EQ(chart.Height, 116);
    EXPECT_EQ(ColourAt(picture, 1, 0, 0.85), kCircleMaleColor);
    EXPECT_EQ(ColourAt(picture, 1, 0, 1.1), kWhite);
    TImage_Kreisdiagramm again(data, settings);
    const std::string svg = Document(again);
    EXPECT_EQ(svg.find("k = "), std::string::npos);
    EXPECT_NE(svg.find(">Linie, Vater0</text>"), std::string::npos);
}

TEST(ImageKreisdiagramm, AncestorLimitLeavesTheProbandAlone)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    TImageSettings settings = CircleSettings(data, "P");
    settings.Circle.TreeMaxGen = 0;
    TImage_Kreisdiagramm chart(data, settings);
    ASSERT_TRUE(chart.Create());
    EXPECT_EQ(chart.Generations(), 1);
    settings.Circle.TreeMaxGen = 99;
    TImage_Kreisdiagramm full(data, settings);
    ASSERT_TRUE(full.Create());
    EXPECT_EQ(full.Generations(), 5);
    EXPECT_EQ(full.Width, 2 * 50 * 5 + 16);
}

// A repeated ancestor's later sectors in the double colour; missing parents show the rings.
TEST(ImageKreisdiagramm, PictureMarksRepeatsAndShowsGapsAsRings)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    TImageSettings settings = CircleSettings(data, "P");
    settings.Circle.BackgroundColored = true;
    for (bool mark : {false, true}) {
        SCOPED_TRACE(mark);
        settings.Circle.HighlightDouble = mark;
        TImage_Kreisdiagramm chart(data, settings);
        const Bitmap picture = Picture(chart);
        // X through F and A (ring 3, the first) and through M (ring 2, a repeat).
        EXPECT_EQ(ColourAt(picture, 5, 19 * kPi / 8, 3.2), kCircleMaleColor);
        EXPECT_EQ(ColourAt(picture, 5, 5 * kPi / 4, 2.2),
                  mark ? kCircleDoubleColor : kCircleMaleColor);
        // F has no mother: rings 2 and 3 of her place alternate, from disc 3 and disc 4.
        EXPECT_EQ(ColourAt(picture, 5, 7 * kPi / 4, 2.5), 0xF0F0F0u);
        EXPECT_EQ(ColourAt(picture, 5, 7 * kPi / 4, 3.5), 0xE0E0E0u);
        // The outline between the parents on the left.
        EXPECT_EQ(ColourAt(picture, 5, 3 * kPi / 2, 1.5), kBlack);
    }
}

TEST(ImageKreisdiagramm, HalfCircleKeepsTheFatherLeftAndNeedsRoomForItsCut)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    TImageSettings settings = CircleSettings(data, "P");
    settings.Circle.Shape = 1;
    TImage_Kreisdiagramm chart(data, settings);
    const Bitmap picture = Picture(chart);
    const int32_t lineHeight = chart.LineHeight();
    EXPECT_EQ(chart.Height, 50 * 5 + 2 * lineHeight + 16);
    EXPECT_EQ(ColourAt(picture, 5, 5 * kPi / 4, 1.2), kCircleMaleColor);    // F, upper left
    EXPECT_EQ(ColourAt(picture, 5, 3 * kPi / 4, 1.2), kCircleFemaleColor);  // M, upper right
    EXPECT_EQ(picture.Pixel(358, 278), kWhite);  // nothing below the base line but the proband

    // The proband's disc is cut two line heights below the centre: the ring must be wider.
    settings.FontSize = 24;
    const int32_t tall = TextMetrics({"Arial", 24}).Height();
    settings.Circle.NodeHeight = uint32_t(2 * tall - 1);
    TImage_Kreisdiagramm narrow(data, settings);
    test::ExpectError([&] { narrow.Create(); },
                      "Der Halbkreis braucht bei Schriftgröße 24 einen Generationsabstand von "
                      "mindestens " +
                          std::to_string(2 * tall) +
                          " Pixeln: bitte den Abstand vergrößern oder die Schrift verkleinern.");
    settings.Circle.NodeHeight = uint32_t(2 * tall);
    TImage_Kreisdiagramm wide(data, settings);
    EXPECT_TRUE(wide.Create());
}

TEST(ImageKreisdiagramm, CaptionsNeedRoomInTheFirstRing)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    TImageSettings settings = CircleSettings(data, "P");
    settings.Circle.Generations = true;
    TImage_Kreisdiagramm chart(data, settings);
    const std::string svg = Document(chart);
    for (const char* caption : {">k = -1<", ">k = -4<"})
        EXPECT_NE(svg.find(caption), std::string::npos);
    EXPECT_EQ(svg.find(">k = -5<"), std::string::npos);

    settings.FontSize = 60;
    TImage_Kreisdiagramm big(data, settings);
    const TextMetrics metrics({"Arial", 60});
    const int32_t needed = (metrics.Width(u"k = -1") + metrics.Height() + 2) / 3;
    test::ExpectError([&] { big.Create(); },
                      "Die Generationsangabe braucht bei Schriftgröße 60 einen Generationsabstand "
                      "von mindestens " +
                          std::to_string(needed) +
                          " Pixeln: bitte den Abstand vergrößern, die Schrift verkleinern oder die "
                          "Generationsangabe abschalten.");
}

// Past 16 generations a document has no sectors, only one radial line per line of descent
// in the colour of its last drawn person.
TEST(ImageKreisdiagramm, DocumentDrawsDeepRingsAsRadialLines)
{
    const TAhnenData data = test::FatherLine(22);
    TImageSettings settings = CircleSettings(data, "I0");
    TImage_Kreisdiagramm chart(data, settings);
    const std::string svg = Document(chart);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(svg.c_str()));
    const auto sectors = document.select_nodes("//path[@fill='#C0C0FF' and not(@stroke)]");
    EXPECT_EQ(sectors.size(), 16u);  // rings 1 to 16, one path each
    const auto lines = document.select_nodes("//path[@stroke='#C0C0FF']");
    ASSERT_EQ(lines.size(), 1u);
    // From the inner edge of ring 17 to the outer edge of ring 22, at the right where the
    // fathers' line runs (the saved path in its short form).
    EXPECT_STREQ(lines[0].node().attribute("d").value(), "M2008 1158.1h300Z");
}

}  // namespace
}  // namespace qv
