// Chart drawing into an SVG document.
#include "charts/svg_chart_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "charts/chart_text.h"
#include "charts/person_symbol.h"
#include "data/text_encoding.h"
#include "render/xhtml_fragment.h"

namespace qv {
namespace {

// Malformed UTF-8 makes the whole text empty, as it does on a picture.
std::string_view ValidOrEmpty(std::string_view text)
{
    return IsValidUtf8(text) ? text : std::string_view();
}

// Symbols of a layer are grouped by these sex characters; any other sex goes with "U".
char SymbolGroup(char sex)
{
    return sex == 'M' || sex == 'F' ? sex : 'U';
}

}  // namespace

SvgChartPainter::SvgChartPainter(TScalableVectorGraphics& svg, const ChartPainterStyle& style)
    : m_svg(svg), m_style(style)
{
}

bool SvgChartPainter::Lines(const TBitmapLine& lines, Point offset)
{
    return lines.DrawSVG(m_svg, offset.x, offset.y);
}

bool SvgChartPainter::PlainLines(const TBitmapLine& lines, Point offset)
{
    return lines.DrawSVG(m_svg, offset.x, offset.y);
}

void SvgChartPainter::BeginSymbols()
{
    m_inSymbolLayer = true;
}

void SvgChartPainter::Symbol(const SymbolMark& mark)
{
    if (m_inSymbolLayer)
        m_layer.push_back(mark);
    else
        WriteSymbol(mark);
}

void SvgChartPainter::EndSymbols()
{
    m_inSymbolLayer = false;
    std::stable_sort(m_layer.begin(), m_layer.end(),
                     [](const SymbolMark& a, const SymbolMark& b) { return a.order < b.order; });
    for (char sex : {'M', 'F', 'U'}) {
        const SymbolColors colors = SymbolColorsOf(m_style.symbol, sex);
        m_svg.Pen = {colors.outline, 1};
        m_svg.Brush = {colors.fill, TSVGBrushStyle::Solid};
        m_svg.BeginGroup(kSvgStroke | kSvgFill);
        for (const SymbolMark& mark : m_layer)
            if (SymbolGroup(mark.sex) == sex) WriteSymbol(mark);
        m_svg.EndGroup();
    }
    m_layer.clear();
}

// A filled square or disc is a zero-length path whose wide line cap paints it; the PDF
// converter does not draw caps of empty paths, so documents for it get the plain shapes.
void SvgChartPainter::WriteSymbol(const SymbolMark& mark)
{
    const TImageSettings_Symbol& symbol = m_style.symbol;
    const int r = symbol.Radius;
    const int x = mark.at.x, y = mark.at.y;
    const int32_t widthBefore = m_svg.Pen.Width;
    const SymbolColors colors = SymbolColorsOf(symbol, mark.sex);
    m_svg.Pen = {colors.outline, 1};
    m_svg.Brush = {colors.fill, TSVGBrushStyle::Solid};
    const bool round = mark.sex == 'F';
    if ((mark.sex == 'M' || round) && symbol.Filled && !m_svg.PdfTarget) {
        m_svg.Pen.Width = 2 * r + 1;
        std::string cap = round ? " stroke-linecap=\"round\"" : " stroke-linecap=\"square\"";
        std::string data(1, 'M');
        (((data += std::to_string(x)) += ' ') += std::to_string(y)) += "v0";
        m_svg.Path(data, cap + mark.attributes);
    } else if (mark.sex == 'M') {
        m_svg.Rectangle(x - r, y - r, x + r, y + r, mark.attributes);
    } else if (round) {
        m_svg.Circle(x, y, r, mark.attributes);
    } else {
        const auto corners = TrianglePoints(mark.direction, mark.at, r);
        m_svg.Polygon(corners.data(), 2, mark.attributes);
    }
    m_svg.Pen.Width = widthBefore;
}

void SvgChartPainter::UseFont()
{
    m_svg.Font = {m_style.font.name, m_style.font.size};
}

void SvgChartPainter::WriteRuns(Point at, std::string_view text)
{
    const int32_t size = m_svg.Font.Size;
    for (const auto& run : SplitTextRuns<char>(ValidOrEmpty(text))) {
        m_svg.Font.Size = run.small ? SmallFontSize(size) : size;
        m_svg.TextOut(at.x, at.y, run.text);
        at.x += m_svg.TextWidth(run.text);
    }
    m_svg.Font.Size = size;
}

void SvgChartPainter::Text(Point at, std::string_view text, TColor color)
{
    m_svg.Pen = {color, 0};
    m_svg.Brush = {color, TSVGBrushStyle::Solid};
    UseFont();
    WriteRuns(at, text);
}

// A wide stroke around the glyphs; their fill is the group's.
void SvgChartPainter::Halo(Point at, TColor background, std::string_view text)
{
    m_svg.Pen = {background, 4};
    UseFont();
    WriteRuns(at, text);
}

void SvgChartPainter::LabelLine(Point at, TColor background, std::string_view text)
{
    if (m_style.labelHalo) Halo(at, background, text);
    Text(at, text);
}

// The text centred on the centre inside a group turned about it; a document needs no key
// colour, so the background is not used.
void SvgChartPainter::RotatedText(Point centre, std::string_view text, TColor color, TColor,
                                  double angle)
{
    m_svg.Pen = {color, 0};
    m_svg.Brush = {color, TSVGBrushStyle::Solid};
    UseFont();
    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%.0f", angle * 180 / std::numbers::pi);
    m_svg.Add("<g transform=\"rotate(" + std::string(degrees) + "," + std::to_string(centre.x) +
              "," + std::to_string(centre.y) + ")\">");
    const std::string_view plain = ValidOrEmpty(text);
    m_svg.TextOut(centre.x - m_svg.TextWidth(plain) / 2, centre.y - m_svg.TextHeight() / 2, plain);
    m_svg.Add("</g>");
}

// The block's lines in an unturned frame about its centre; one line carries the turn itself,
// several share a turned group. An unturned block needs neither.
void SvgChartPainter::RotatedBlock(const TextBlock& block)
{
    m_svg.Pen = {block.color, 0};
    m_svg.Brush = {block.color, TSVGBrushStyle::Solid};
    m_svg.Font = {m_style.font.name, block.fontSize};
    const double fullTurn = 2 * std::numbers::pi;
    double turn = std::fmod(block.angle, fullTurn);
    if (turn < 0) turn += fullTurn;
    char rotate[96];
    std::snprintf(rotate, sizeof rotate, "rotate(%.0f,%d,%d)", turn * 180 / std::numbers::pi,
                  block.centre.x, block.centre.y);
    const bool turned = turn != 0;
    const int x = block.centre.x, y = block.centre.y, h = m_svg.TextHeight();
    const size_t n = block.lines.size();
    if (n == 1) {
        const std::string_view line = ValidOrEmpty(block.lines[0]);
        const std::string extra = turned ? " transform=\"" + std::string(rotate) + "\"" : "";
        m_svg.TextOut(x - m_svg.TextWidth(line) / 2, y - h / 2, line, extra);
        return;
    }
    if (turned) m_svg.Add("<g transform=\"" + std::string(rotate) + "\">");
    for (size_t j = 0; j < n; ++j) {
        const std::string_view line = ValidOrEmpty(block.lines[j]);
        const int shift = int(std::nearbyint(double(j) * h - h * (double(n) - 1) / 2));
        m_svg.TextOut(x - m_svg.TextWidth(line) / 2, y - h / 2 + shift, line);
    }
    if (turned) m_svg.Add("</g>");
}

bool SvgChartPainter::SetShapeStyle(const ShapeStyle& style)
{
    if (style.outlineWidth == 0 && !style.fill) return false;
    m_svg.Pen = {style.outline, style.outlineWidth};
    if (style.fill)
        m_svg.Brush = {*style.fill, TSVGBrushStyle::Solid};
    else
        m_svg.Brush.Style = TSVGBrushStyle::Clear;
    return true;
}

void SvgChartPainter::Rectangle(Point a, Point b, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) m_svg.Rectangle(a.x, a.y, b.x, b.y);
}

void SvgChartPainter::Ellipse(Point a, Point b, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) m_svg.Ellipse(a.x, a.y, b.x, b.y);
}

void SvgChartPainter::Polygon(std::span<const Point> points, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) m_svg.Polygon(points.data(), int(points.size()) - 1);
}

void SvgChartPainter::PolygonF(std::span<const PointF> points, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) m_svg.PolygonF(points.data(), int(points.size()) - 1, 1);
}

void SvgChartPainter::Polyline(std::span<const Point> points, TColor color, int32_t width)
{
    m_svg.Pen = {color, width};
    m_svg.Polyline(points.data(), int(points.size()) - 1);
}

void SvgChartPainter::BeginGroup(const GroupStyle& style)
{
    int32_t flags = 0;
    if (style.stroke) {
        m_svg.Pen.Color = *style.stroke;
        flags |= kSvgStroke;
    }
    if (style.strokeWidth) {
        m_svg.Pen.Width = *style.strokeWidth;
        flags |= kSvgStrokeWidth;
    }
    if (style.fill) {
        m_svg.Brush = {*style.fill, TSVGBrushStyle::Solid};
        flags |= kSvgFill;
    }
    if (style.font) {
        UseFont();
        flags |= kSvgFontFamily | kSvgFontSize;
    }
    m_svg.BeginGroup(flags, style.attributes);
}

void SvgChartPainter::EndGroup()
{
    m_svg.EndGroup();
}

void SvgChartPainter::WriteCommentBlock(int32_t y, const CommentBlock& block)
{
    m_svg.Add("<foreignObject x=\"0\" y=\"" + std::to_string(y) + "\" width=\"" +
              std::to_string(m_svg.Width) + "\" height=\"" + std::to_string(block.height) + "\">");
    m_svg.Add("<body xmlns=\"http://www.w3.org/1999/xhtml\">");
    m_svg.AddStrings(XhtmlFromHtml(block.html));
    m_svg.Add("</body>");
    m_svg.Add("</foreignObject>");
}

void SvgChartPainter::Comments(const CommentBlocks& blocks)
{
    if (blocks.header.height > 0) WriteCommentBlock(0, blocks.header);
    if (blocks.footer.height > 0)
        WriteCommentBlock(m_svg.Height - blocks.footer.height, blocks.footer);
}

}  // namespace qv
