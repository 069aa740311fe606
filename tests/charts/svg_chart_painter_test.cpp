// The SVG back-end: symbol forms and layers, text runs and halos, shapes, groups.
#include "charts/svg_chart_painter.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace qv {
namespace {

using Lines = std::vector<std::string>;

SymbolMark Mark(char sex, Point at, SymbolDirection direction = SymbolDirection::Down,
                SymbolOrder order = {})
{
    SymbolMark mark;
    mark.sex = sex;
    mark.at = at;
    mark.direction = direction;
    mark.order = order;
    return mark;
}

TEST(SvgChartPainter, SymbolsByFillAndTarget)
{
    ChartPainterStyle style;
    style.symbol.Radius = 4;
    TScalableVectorGraphics svg;
    svg.MergePaths = false;
    svg.Pen.Width = 7;
    SvgChartPainter painter(svg, style);
    SymbolMark male = Mark('M', {10, 20});
    male.attributes = " id=\"p1\"";
    painter.Symbol(male);
    painter.Symbol(Mark('F', {30, 20}));
    painter.Symbol(Mark('U', {50, 20}, SymbolDirection::Right));
    svg.PdfTarget = true;
    painter.Symbol(Mark('M', {10, 20}));
    painter.Symbol(Mark('F', {30, 20}));
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

    style.symbol.Filled = false;
    style.symbol.Colored = false;
    TScalableVectorGraphics hollow;
    SvgChartPainter plain(hollow, style);
    plain.Symbol(Mark('F', {30, 20}));
    EXPECT_EQ(hollow.Body, Lines{"<circle cx=\"30\" cy=\"20\" r=\"4\" stroke=\"#000\" "
                                 "stroke-width=\"1\" fill=\"#FFF\"/>"});
}

TEST(SvgChartPainter, SymbolLayerGroupsByColourInOrder)
{
    ChartPainterStyle style;
    style.symbol.Radius = 2;
    TScalableVectorGraphics svg;
    svg.MergePaths = false;
    SvgChartPainter painter(svg, style);
    painter.BeginSymbols();
    painter.Symbol(Mark('U', {5, 5}, SymbolDirection::Down, {1, 0}));
    painter.Symbol(Mark('M', {25, 5}, SymbolDirection::Down, {2, 5}));
    painter.Symbol(Mark('F', {5, 5}, SymbolDirection::Down, {3, 0}));
    painter.Symbol(Mark('M', {15, 5}, SymbolDirection::Down, {2, 1}));
    painter.Symbol(Mark('?', {15, 5}, SymbolDirection::Up, {0, 9}));
    painter.Symbol(Mark('M', {35, 5}, SymbolDirection::Down, {2, 1}));
    EXPECT_TRUE(svg.Body.empty());  // nothing before the layer ends
    painter.EndSymbols();
    EXPECT_EQ(svg.Body, (Lines{
                            "<g stroke=\"#00F\" fill=\"#00F\">",
                            "<path d=\"M15 5v0\" stroke-width=\"5\" stroke-linecap=\"square\"/>",
                            "<path d=\"M35 5v0\" stroke-width=\"5\" stroke-linecap=\"square\"/>",
                            "<path d=\"M25 5v0\" stroke-width=\"5\" stroke-linecap=\"square\"/>",
                            "</g>",
                            "<g stroke=\"#F00\" fill=\"#F00\">",
                            "<path d=\"M5 5v0\" stroke-width=\"5\" stroke-linecap=\"round\"/>",
                            "</g>",
                            "<g stroke=\"#008000\" fill=\"#008000\">",
                            "<path d=\"M13 7 L17 7 L15 3 z\" stroke-width=\"1\"/>",
                            "<path d=\"M3 3 L7 3 L5 7 z\" stroke-width=\"1\"/>",
                            "</g>",
                        }));
    // Symbols after the layer are written at once again.
    painter.Symbol(Mark('M', {1, 1}));
    EXPECT_EQ(svg.Body.size(), 13u);
}

TEST(SvgChartPainter, TextRunsInTheirSizes)
{
    ChartPainterStyle style;
    style.font.size = 12;
    TScalableVectorGraphics svg;
    SvgChartPainter painter(svg, style);
    painter.Text({10, 5},
                 "Anna\x0E"
                 "1850");
    painter.Text({0, 0}, "\xC3(bad");
    const int x = 10 + svg.TextWidth("Anna");
    EXPECT_EQ(svg.Font.Size, 12);
    EXPECT_EQ(svg.Body, (Lines{
                            "<text x=\"10\" y=\"20\" font-family=\"Arial\" font-size=\"12pt\" "
                            "stroke-width=\"0\" fill=\"#000\">Anna</text>",
                            "<text x=\"" + std::to_string(x) +
                                "\" y=\"15\" font-family=\"Arial\" font-size=\"8pt\" "
                                "stroke-width=\"0\" fill=\"#000\">1850</text>",
                        }));
}

TEST(SvgChartPainter, HaloComesFirstWhenLabelsStayOnTop)
{
    for (bool halo : {true, false}) {
        SCOPED_TRACE(halo);
        ChartPainterStyle style;
        style.labelHalo = halo;
        TScalableVectorGraphics svg;
        SvgChartPainter painter(svg, style);
        painter.BeginGroup(GroupStyle().Fill(kBlack).Font());
        painter.LabelLine({0, 0}, 0xF0F0F0, "Ida");
        painter.EndGroup();
        Lines expected{"<g fill=\"#000\" font-family=\"Arial\" font-size=\"11pt\">"};
        if (halo)
            expected.push_back(
                "<text x=\"0\" y=\"14\" stroke=\"#F0F0F0\" stroke-width=\"4\">Ida</text>");
        expected.push_back("<text x=\"0\" y=\"14\" stroke-width=\"0\">Ida</text>");
        expected.push_back("</g>");
        EXPECT_EQ(svg.Body, expected);
    }
}

TEST(SvgChartPainter, RotatedTextIsCentredInATurnedGroup)
{
    ChartPainterStyle style;
    TScalableVectorGraphics svg;
    SvgChartPainter painter(svg, style);
    painter.RotatedText({100, 50}, "Generation", 0x808080, kWhite, -std::numbers::pi / 2);
    const int x = 100 - svg.TextWidth("Generation") / 2;
    const int top = 50 - svg.TextHeight() / 2;
    EXPECT_EQ(svg.Body,
              (Lines{
                  "<g transform=\"rotate(-90,100,50)\">",
                  "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(top + 14) +
                      "\" font-family=\"Arial\" font-size=\"11pt\" stroke-width=\"0\" "
                      "fill=\"#808080\">Generation</text>",
                  "</g>",
              }));
}

// One line carries the turn as its attribute, several share a turned group; the turn is
// written clockwise in [0, 360) and left out when there is none.
TEST(SvgChartPainter, TextBlocksTurnAboutTheirCentre)
{
    ChartPainterStyle style;
    TScalableVectorGraphics svg;
    SvgChartPainter painter(svg, style);
    painter.BeginGroup(GroupStyle().Stroke(kBlack, 0).Fill(kBlack).Font());
    painter.RotatedBlock({{100, 50}, {"Anna"}, 11, -std::numbers::pi / 2, kBlack, kWhite});
    painter.RotatedBlock({{100, 50}, {"Anna", "1900"}, 9, 2 * std::numbers::pi, kBlack, kWhite});
    painter.RotatedBlock({{100, 50}, {"Anna", "1900"}, 9, 0.5, kBlack, kWhite});
    painter.EndGroup();
    svg.Font.Size = 11;
    const int w = svg.TextWidth("Anna"), top = 50 - svg.TextHeight() / 2;
    svg.Font.Size = 9;
    const int w9 = svg.TextWidth("Anna"), y9 = svg.TextWidth("1900"), h9 = svg.TextHeight();
    auto text9 = [&](int width, int top, const std::string& content) {
        return "<text x=\"" + std::to_string(100 - width / 2) + "\" y=\"" +
               std::to_string(top + 11) + "\" font-size=\"9pt\">" + content + "</text>";
    };
    const int first = 50 - h9 / 2 + int(std::nearbyint(-h9 / 2.0));
    const int second = 50 - h9 / 2 + int(std::nearbyint(h9 / 2.0));
    EXPECT_EQ(svg.Body,
              (Lines{
                  "<g stroke=\"#000\" stroke-width=\"0\" fill=\"#000\" font-family=\"Arial\" "
                  "font-size=\"11pt\">",
                  "<text x=\"" + std::to_string(100 - w / 2) + "\" y=\"" +
                      std::to_string(top + 14) + "\" transform=\"rotate(270,100,50)\">Anna</text>",
                  text9(w9, first, "Anna"),
                  text9(y9, second, "1900"),
                  "<g transform=\"rotate(29,100,50)\">",
                  text9(w9, first, "Anna"),
                  text9(y9, second, "1900"),
                  "</g>",
                  "</g>",
              }));
}

TEST(SvgChartPainter, ShapesAndGroups)
{
    ChartPainterStyle style;
    TScalableVectorGraphics svg;
    svg.RectAsElement = true;
    SvgChartPainter painter(svg, style);
    GroupStyle family = GroupStyle().Stroke(0x00FF00, 2);
    family.attributes = " id=\"E1_7\"";
    painter.BeginGroup(family);
    painter.Rectangle({10, 20}, {4, 2}, {0x00FFFF, 0x00FFFF, 0});
    painter.Ellipse({0, 0}, {10, 6}, {std::nullopt, 0x00FF00, 2});
    const Point triangle[] = {{0, 0}, {8, 0}, {4, 6}};
    painter.Polygon(triangle, {kWhite, 0x00FF00, 2});
    painter.Rectangle({0, 0}, {5, 5}, {std::nullopt, kBlack, 0});  // invisible: not written
    painter.EndGroup();
    EXPECT_EQ(svg.Body, (Lines{
                            "<g stroke=\"#0F0\" stroke-width=\"2\" id=\"E1_7\">",
                            "<rect x=\"4\" y=\"2\" width=\"6\" height=\"18\" stroke=\"#FF0\" "
                            "stroke-width=\"0\" fill=\"#FF0\"/>",
                            "<ellipse cx=\"5\" cy=\"3\" rx=\"5\" ry=\"3\" fill=\"none\"/>",
                            "<path d=\"M0 0 L8 0 L4 6 z\" fill=\"#FFF\"/>",
                            "</g>",
                        }));
}

// Shapes of one style join into one path while merging is on, never across a pause.
TEST(SvgChartPainter, RealPolygonsMergeOnlyWhenAsked)
{
    ChartPainterStyle style;
    TScalableVectorGraphics svg;
    SvgChartPainter painter(svg, style);
    const std::vector<PointF> a{{0.26, 0}, {10, 0}, {10, 10.04}}, b{{20, 0}, {30, 0}, {30, 10}};
    painter.MergeShapes(false);
    painter.PolygonF(a, {0x00FF00, kBlack, 1});
    painter.MergeShapes(true);
    painter.PolygonF(b, {0x00FF00, kBlack, 1});
    painter.MergeShapes(false);
    painter.PolygonF(a, {0x00FF00, kBlack, 1});
    const std::string attributes = " stroke=\"#000\" stroke-width=\"1\" fill=\"#0F0\"/>";
    EXPECT_EQ(svg.Body, (Lines{"<path d=\"M0.3 0 L10 0 L10 10 zM20 0 L30 0 L30 10 z\"" + attributes,
                               "<path d=\"M0.3 0 L10 0 L10 10 z\"" + attributes}));
}

}  // namespace
}  // namespace qv
