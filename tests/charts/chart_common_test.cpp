// The chart base: orientation, symbols along the chart, measuring label text, comment blocks.
#include "charts/chart_common.h"

#include <gtest/gtest.h>

#include "charts/raster_chart_painter.h"
#include "charts/svg_chart_painter.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

class ChartCommonTest : public testing::Test {
protected:
    TAhnenData m_data;
    TImageSettings m_settings;
};

TEST_F(ChartCommonTest, OrientationSwapsOnlyForAcrossAlignments)
{
    struct Case {
        ChartClass chart;
        int treeAlignment, triangleAlignment;
        bool swaps;
    } cases[] = {
        {ChartClass::Ancestors, 0, 2, false}, {ChartClass::Ancestors, 1, 2, false},
        {ChartClass::Ancestors, 2, 0, true},  {ChartClass::Descendants, 3, 0, true},
        {ChartClass::Triangle, 2, 1, false},  {ChartClass::Triangle, 0, 3, true},
        {ChartClass::Circle, 2, 2, false},    {ChartClass::Frequency, 3, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.chart) << " " << c.treeAlignment);
        m_settings.Tree.Alignment = uint8_t(c.treeAlignment);
        m_settings.Triangle.Alignment = uint8_t(c.triangleAlignment);
        TImage_Common chart(c.chart, m_data, m_settings);
        Point turned = chart.OrientPoint({3, 7});
        EXPECT_EQ(turned, (c.swaps ? Point{7, 3} : Point{3, 7}));
    }
}

TEST_F(ChartCommonTest, DestroyingClearsTheProgressDisplay)
{
    std::vector<std::string> calls;
    {
        TImage_Common chart(ChartClass::Circle, m_data, m_settings,
                            [&](const std::string& text, int64_t position, int64_t maximum) {
                                calls.push_back("'" + text + "' " + std::to_string(position) + " " +
                                                std::to_string(maximum));
                                return false;
                            });
    }
    EXPECT_EQ(calls, Lines{"'' 0 100"});
}

TEST_F(ChartCommonTest, SymbolsPointAlongTheChart)
{
    m_settings.Symbol.Radius = 3;
    m_settings.Tree.Alignment = 1;  // bottom to top: apex up
    TImage_Common chart(ChartClass::Ancestors, m_data, m_settings);
    Bitmap bitmap(24, 8);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    chart.DrawSymbol(painter, 'M', {4, 4});
    chart.DrawSymbol(painter, 'X', {12, 4});
    chart.DrawSymbol(painter, 'F', {20, 4});
    EXPECT_EQ(bitmap.Pixel(3, 3), RgbColor(0, 0, 255));
    EXPECT_EQ(bitmap.Pixel(20, 4), RgbColor(255, 0, 0));
    const TColor green = RgbColor(0, 128, 0);
    EXPECT_EQ(bitmap.Pixel(12, 2), green);  // near the apex, above the centre
    EXPECT_EQ(bitmap.Pixel(9, 6), green);   // a base corner
    EXPECT_EQ(bitmap.Pixel(9, 2), kWhite);

    // Across the chart the apex points along the generations too, in the document as well.
    m_settings.Tree.Alignment = 3;
    TImage_Common across(ChartClass::Descendants, m_data, m_settings);
    TScalableVectorGraphics svg;
    SvgChartPainter writer(svg, across.PainterStyle());
    across.DrawSymbol(writer, 'U', {10, 10});
    EXPECT_EQ(svg.Body, Lines{"<path d=\"M13 13 L13 7 L7 10 z\" stroke=\"#008000\" "
                              "stroke-width=\"1\" fill=\"#008000\"/>"});

    m_settings.Tree.Antialiasing = true;
    TImage_Common smooth(ChartClass::Ancestors, m_data, m_settings);
    Bitmap soft(8, 8);
    RasterChartPainter softPainter(soft, smooth.PainterStyle());
    smooth.DrawSymbol(softPainter, 'F', {4, 4});
    EXPECT_EQ(soft.Pixel(4, 4), RgbColor(255, 0, 0));
    int mixed = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            mixed += soft.Pixel(x, y) != kWhite && soft.Pixel(x, y) != RgbColor(255, 0, 0);
    EXPECT_GT(mixed, 4);  // the disc's rim is blended
}

TEST_F(ChartCommonTest, SmallRunsAreMeasuredSmaller)
{
    m_settings.FontSize = 12;
    TImage_Common chart(ChartClass::Ancestors, m_data, m_settings);
    TextMetrics normal(chart.ChartFont()), small(chart.ChartFont(true));
    EXPECT_EQ(chart.ChartFont(true).size, 8);
    EXPECT_EQ(chart.LineHeight(), normal.Height());
    EXPECT_EQ(chart.TextWidth("Anna\x0E"
                              "1850\x0F."),
              normal.Width(u"Anna") + small.Width(u"1850") + normal.Width(u"."));
    EXPECT_EQ(chart.TextWidth("\xC3(bad"), 0);
    EXPECT_EQ(chart.MaxTextWidth({"a", "Wilhelmine", ""}), normal.Width(u"Wilhelmine"));
}

TEST_F(ChartCommonTest, CommentBlocksOfTheKind)
{
    m_settings.FontSize = 9;
    m_settings.CommentHeadlineText = {"<b>Ahnentafel</b>", "<Proband>"};
    m_settings.CommentHeaderText = {"<p>Kopf</p>"};
    m_settings.CommentFooterText = {"<p>Fu\xC3\x9F</p>"};
    m_settings.Triangle.CommentHeadline = true;
    m_settings.Triangle.CommentFooter = true;
    m_data.Persons.resize(1);
    m_data.Persons[0].Surname = "Weiß";
    m_data.Persons[0].GivenNames = "Otto";
    m_settings.ProbandIndex = 0;
    TImage_Common chart(ChartClass::Triangle, m_data, m_settings);
    EXPECT_EQ(chart.MeasureComments(CommentKind::TreeChart, 300).header, 0);
    EXPECT_EQ(chart.HeaderLines(CommentKind::Triangle),
              (Lines{"<font style=\"font-family:Arial;font-size:9pt\">",
                     "<b>Ahnentafel</b><br/>Weiß, Otto", "</font>"}));
    CommentHeights heights = chart.MeasureComments(CommentKind::Triangle, 300);
    EXPECT_GT(heights.header, 20);
    EXPECT_GT(heights.footer, 10);

    TScalableVectorGraphics svg;
    svg.Width = 300;
    svg.Height = 500;
    SvgChartPainter writer(svg, chart.PainterStyle());
    chart.DrawComments(writer, CommentKind::Triangle, 300, {40, 30});
    EXPECT_EQ(svg.Body,
              (Lines{"<foreignObject x=\"0\" y=\"0\" width=\"300\" height=\"40\">",
                     "<body xmlns=\"http://www.w3.org/1999/xhtml\">",
                     "<font style=\"font-family:Arial;font-size:9pt\">",
                     "<b>Ahnentafel</b><br/>Weiß, Otto", "</font>", "</body>", "</foreignObject>",
                     "<foreignObject x=\"0\" y=\"470\" width=\"300\" height=\"30\">",
                     "<body xmlns=\"http://www.w3.org/1999/xhtml\">", "<p>Fu\xC3\x9F</p>",
                     "</body>", "</foreignObject>"}));

    Bitmap bitmap(300, 400, 0x00FF00);
    RasterChartPainter painter(bitmap, chart.PainterStyle());
    chart.DrawComments(painter, CommentKind::Triangle, 300, heights);
    EXPECT_EQ(bitmap.Pixel(0, 0), kWhite);
    EXPECT_EQ(bitmap.Pixel(0, heights.header), 0x00FF00u);
    EXPECT_EQ(bitmap.Pixel(0, 399 - heights.footer), 0x00FF00u);
    EXPECT_EQ(bitmap.Pixel(0, 400 - heights.footer), kWhite);

    // A footer whose switch is off stays out, whatever height the caller passes.
    m_settings.Triangle.CommentFooter = false;
    TScalableVectorGraphics bare;
    SvgChartPainter bareWriter(bare, chart.PainterStyle());
    chart.DrawComments(bareWriter, CommentKind::Triangle, 300, {0, 30});
    EXPECT_TRUE(bare.Body.empty());
}

TEST_F(ChartCommonTest, HtmlPageTakesTheKindsComments)
{
    m_settings.Circle.CommentHeader = true;
    m_settings.CommentHeaderText = {"<p>Kreis</p>"};
    TScalableVectorGraphics svg;
    Lines circle = BuildHtmlPage(svg, m_data, CommentKind::Circle, m_settings);
    Lines tree = BuildHtmlPage(svg, m_data, CommentKind::TreeChart, m_settings);
    EXPECT_EQ(circle[6], "<p>Kreis</p>");
    EXPECT_EQ(circle.size(), tree.size() + 1);
}
}  // namespace
}  // namespace qv
