// The chart base: orientation, symbols, label text with small runs and halo, comment blocks.
#include "charts/chart_common.h"

#include <gtest/gtest.h>

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

TEST_F(ChartCommonTest, SvgSymbolsByFillAndTarget)
{
    m_settings.Symbol.Radius = 4;
    TImage_Common chart(ChartClass::Ancestors, m_data, m_settings);
    TScalableVectorGraphics svg;
    svg.MergePaths = false;
    svg.Pen.Width = 7;
    chart.DrawSymbolSvg(svg, 'M', " id=\"p1\"", TImage_Common::kAlignedDirection, 10, 20);
    chart.DrawSymbolSvg(svg, 'F', "", 0, 30, 20);
    chart.DrawSymbolSvg(svg, 'U', "", 2, 50, 20);
    svg.PdfTarget = true;
    chart.DrawSymbolSvg(svg, 'M', "", 0, 10, 20);
    chart.DrawSymbolSvg(svg, 'F', "", 0, 30, 20);
    EXPECT_EQ(svg.Pen.Width, 7);
    EXPECT_EQ(svg.Body,
              (Lines{
                  "<path d=\"M10 20v0\" stroke=\"#00F\" stroke-width=\"9\" fill=\"#00F\" "
                  "stroke-linecap=\"square\" id=\"p1\"/>",
                  "<path d=\"M30 20v0\" stroke=\"#F00\" stroke-width=\"9\" fill=\"#F00\" "
                  "stroke-linecap=\"round\"/>",
                  "<path d=\"M46 24 L46 16 L54 20 z\" stroke=\"#008000\" stroke-width=\"1\" "
                  "fill=\"#008000\"/>",
                  "<path d=\"M6 16h8v8h-8z\" stroke=\"#00F\" stroke-width=\"1\" fill=\"#00F\"/>",
                  "<circle cx=\"30\" cy=\"20\" r=\"4\" stroke=\"#F00\" stroke-width=\"1\" "
                  "fill=\"#F00\"/>",
              }));

    m_settings.Symbol.Filled = false;
    m_settings.Symbol.Colored = false;
    TScalableVectorGraphics hollow;
    chart.DrawSymbolSvg(hollow, 'F', "", 0, 30, 20);
    EXPECT_EQ(hollow.Body, Lines{"<circle cx=\"30\" cy=\"20\" r=\"4\" stroke=\"#000\" "
                                 "stroke-width=\"1\" fill=\"#FFF\"/>"});
}

TEST_F(ChartCommonTest, RasterSymbolsPointAlongTheChart)
{
    m_settings.Symbol.Radius = 3;
    m_settings.Tree.Alignment = 1;  // bottom to top: apex up
    TImage_Common chart(ChartClass::Ancestors, m_data, m_settings);
    Bitmap bitmap(24, 8);
    {
        Canvas canvas(bitmap);
        chart.DrawSymbol(canvas, 'M', 0, 4, 4);
        chart.DrawSymbol(canvas, 'X', TImage_Common::kAlignedDirection, 12, 4);
        chart.DrawSymbol(canvas, 'F', 0, 20, 4);
    }
    EXPECT_EQ(bitmap.Pixel(3, 3), RgbColor(0, 0, 255));
    EXPECT_EQ(bitmap.Pixel(20, 4), RgbColor(255, 0, 0));
    const TColor green = RgbColor(0, 128, 0);
    EXPECT_EQ(bitmap.Pixel(12, 2), green);  // near the apex, above the centre
    EXPECT_EQ(bitmap.Pixel(9, 6), green);   // a base corner
    EXPECT_EQ(bitmap.Pixel(9, 2), kWhite);

    m_settings.Tree.Antialiasing = true;
    TImage_Common smooth(ChartClass::Ancestors, m_data, m_settings);
    Bitmap soft(8, 8);
    {
        Canvas canvas(soft);
        smooth.DrawSymbol(canvas, 'F', 0, 4, 4);
    }
    EXPECT_EQ(soft.Pixel(4, 4), RgbColor(255, 0, 0));
    int mixed = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            mixed += soft.Pixel(x, y) != kWhite && soft.Pixel(x, y) != RgbColor(255, 0, 0);
    EXPECT_GT(mixed, 4);  // the disc's rim is blended
}

TEST_F(ChartCommonTest, SmallRunsAreMeasuredAndWrittenSmaller)
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

    TScalableVectorGraphics svg;
    svg.Font.Size = 12;
    svg.Pen.Width = 0;
    chart.DrawTextSvg(svg, 10, 5,
                      "Anna\x0E"
                      "1850");
    int x = 10 + svg.TextWidth("Anna");
    EXPECT_EQ(svg.Font.Size, 12);
    EXPECT_EQ(svg.Body, (Lines{
                            "<text x=\"10\" y=\"20\" font-family=\"Arial\" font-size=\"12pt\" "
                            "stroke-width=\"0\" fill=\"#FFF\">Anna</text>",
                            "<text x=\"" + std::to_string(x) +
                                "\" y=\"15\" font-family=\"Arial\" font-size=\"8pt\" "
                                "stroke-width=\"0\" fill=\"#FFF\">1850</text>",
                        }));
}

TEST_F(ChartCommonTest, HaloComesFirstWhenLabelsStayOnTop)
{
    m_settings.FontStayOnTop = true;
    TImage_Common chart(ChartClass::Ancestors, m_data, m_settings);
    TScalableVectorGraphics svg;
    svg.BeginGroup(kSvgFill | kSvgFontFamily | kSvgFontSize);
    chart.DrawLabelLineSvg(svg, 0, 0, 0xF0F0F0, "Ida");
    EXPECT_EQ(svg.Body[1],
              "<text x=\"0\" y=\"14\" stroke=\"#F0F0F0\" stroke-width=\"4\">Ida</text>");
    EXPECT_EQ(svg.Body[2], "<text x=\"0\" y=\"14\" stroke-width=\"0\">Ida</text>");

    // On the canvas, the halo clears a crossing line around the glyphs.
    auto lineLeft = [&](bool stayOnTop) {
        m_settings.FontStayOnTop = stayOnTop;
        TImage_Common labels(ChartClass::Ancestors, m_data, m_settings);
        Bitmap bitmap(40, 20);
        Canvas canvas(bitmap);
        canvas.SetPen(0x0000FF);
        canvas.Line({0, 8}, {39, 8});
        canvas.SetBrushStyle(BrushStyle::Clear);
        labels.DrawLabelLine(canvas, 2, 0, kWhite, "W W");
        int blue = 0;
        for (int x = 0; x < 40; ++x) blue += bitmap.Pixel(x, 8) == 0x0000FFu;
        return blue;
    };
    EXPECT_LT(lineLeft(true) + 4, lineLeft(false));
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
    chart.WriteCommentsSvg(svg, CommentKind::Triangle, 40, 30);
    EXPECT_EQ(svg.Body,
              (Lines{"<foreignObject x=\"0\" y=\"0\" width=\"300\" height=\"40\">",
                     "<body xmlns=\"http://www.w3.org/1999/xhtml\">",
                     "<font style=\"font-family:Arial;font-size:9pt\">",
                     "<b>Ahnentafel</b><br/>Weiß, Otto", "</font>", "</body>", "</foreignObject>",
                     "<foreignObject x=\"0\" y=\"470\" width=\"300\" height=\"30\">",
                     "<body xmlns=\"http://www.w3.org/1999/xhtml\">", "<p>Fu\xC3\x9F</p>",
                     "</body>", "</foreignObject>"}));

    Bitmap bitmap(300, 400, 0x00FF00);
    chart.DrawComments(bitmap, CommentKind::Triangle, 300, heights.header, heights.footer);
    EXPECT_EQ(bitmap.Pixel(0, 0), kWhite);
    EXPECT_EQ(bitmap.Pixel(0, heights.header), 0x00FF00u);
    EXPECT_EQ(bitmap.Pixel(0, 399 - heights.footer), 0x00FF00u);
    EXPECT_EQ(bitmap.Pixel(0, 400 - heights.footer), kWhite);
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
