// Chart drawing on a raster picture.
#include "charts/raster_chart_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "charts/chart_text.h"
#include "charts/person_symbol.h"
#include "charts/pixel_rounding.h"
#include "data/text_encoding.h"
#include "render/rotated_text.h"

namespace qv {

RasterChartPainter::RasterChartPainter(Bitmap& bitmap, const ChartPainterStyle& style)
    : m_bitmap(bitmap), m_style(style)
{
}

Canvas& RasterChartPainter::Paint()
{
    if (!m_canvas) m_canvas.emplace(m_bitmap);
    return *m_canvas;
}

bool RasterChartPainter::Lines(const TBitmapLine& lines, Point offset)
{
    m_canvas.reset();
    return lines.Draw(m_bitmap, offset.x, offset.y, m_style.smoothLines);
}

bool RasterChartPainter::PlainLines(const TBitmapLine& lines, Point offset)
{
    m_canvas.reset();
    return lines.DrawPlain(m_bitmap, offset.x, offset.y, m_style.smoothLines);
}

void RasterChartPainter::Symbol(const SymbolMark& mark)
{
    const TImageSettings_Symbol& symbol = m_style.symbol;
    const int r = symbol.Radius;
    const int x = mark.at.x, y = mark.at.y;
    if (m_style.smoothLines) {
        if (!m_symbols || !m_symbols->Shows(symbol)) m_symbols.emplace(symbol);
        m_symbols->Symbol(mark.sex, mark.direction).DrawTo(x - r, y - r, m_bitmap);
        return;
    }
    const SymbolColors colors = SymbolColorsOf(symbol, mark.sex);
    Canvas& canvas = Paint();
    canvas.SetPen(colors.outline);
    canvas.SetBrush(colors.fill);
    if (mark.sex == 'M') {
        canvas.Rectangle(x - r, y - r, x + r, y + r);
    } else if (mark.sex == 'F') {
        canvas.Ellipse(x - r, y - r, x + r, y + r);
    } else {
        const auto corners = TrianglePoints(mark.direction, mark.at, r);
        canvas.Polygon({corners.begin(), corners.end()});
    }
}

// Each run in its own size, the next run starting where the last one ended.
void RasterChartPainter::Text(Point at, std::string_view text, TColor color)
{
    Canvas& canvas = Paint();
    canvas.SetBrushStyle(BrushStyle::Clear);
    const std::u16string wide = Utf16FromUtf8(text);
    for (const auto& run : SplitTextRuns<char16_t>(wide)) {
        FontSpec font = m_style.font;
        if (run.small) font.size = SmallFontSize(font.size);
        font.color = color;
        canvas.SetFont(font);
        canvas.TextOut(at.x, at.y, run.text);
        at.x += canvas.TextWidth(run.text);
    }
}

// The text in the background colour at every offset within two pixels (a diamond).
void RasterChartPainter::Halo(Point at, TColor background, std::string_view text)
{
    for (int j = -2; j <= 2; ++j)
        for (int i = -2; i <= 2; ++i)
            if (std::abs(i) + std::abs(j) <= 2) Text({at.x + i, at.y + j}, text, background);
}

void RasterChartPainter::LabelLine(Point at, TColor background, std::string_view text)
{
    if (m_style.labelHalo) Halo(at, background, text);
    Text(at, text);
}

void RasterChartPainter::RotatedText(Point centre, std::string_view text, TColor color,
                                     TColor background, double angle)
{
    Canvas& canvas = Paint();
    FontSpec font = m_style.font;
    font.color = color;
    canvas.SetFont(font);
    DrawRotatedText(canvas, Utf16FromUtf8(text), centre, background, angle);
}

// Each line turned on its own about the point where the turned block puts its centre.
void RasterChartPainter::RotatedBlock(const TextBlock& block)
{
    Canvas& canvas = Paint();
    FontSpec font = m_style.font;
    font.size = block.fontSize;
    font.color = block.color;
    canvas.SetFont(font);
    const double pitch = canvas.Extent(kLineHeightSample).height;
    const double first = (double(block.lines.size()) - 1) * -pitch / 2;
    const PointF down{-std::sin(block.angle), std::cos(block.angle)};
    for (size_t j = 0; j < block.lines.size(); ++j) {
        const double shift = first + double(j) * pitch;
        const Point centre =
            RoundToPixel({block.centre.x + down.x * shift, block.centre.y + down.y * shift});
        DrawRotatedText(canvas, Utf16FromUtf8(block.lines[j]), centre, block.background,
                        block.angle);
    }
}

// Without an outline the pen takes the fill colour: a canvas shape's outline lies inside it.
bool RasterChartPainter::SetShapeStyle(const ShapeStyle& style)
{
    const bool outlined = style.outlineWidth > 0;
    if (!outlined && !style.fill) return false;
    Canvas& canvas = Paint();
    canvas.SetPen(outlined ? style.outline : *style.fill, std::max(1, style.outlineWidth));
    if (style.fill)
        canvas.SetBrush(*style.fill);
    else
        canvas.SetBrushStyle(BrushStyle::Clear);
    return true;
}

void RasterChartPainter::Rectangle(Point a, Point b, const ShapeStyle& style)
{
    if (!SetShapeStyle(style)) return;
    if (style.outlineWidth == 0)
        Paint().FillRect(a.x, a.y, b.x, b.y);
    else
        Paint().Rectangle(a.x, a.y, b.x, b.y);
}

void RasterChartPainter::Ellipse(Point a, Point b, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) Paint().Ellipse(a.x, a.y, b.x, b.y);
}

void RasterChartPainter::Polygon(std::span<const Point> points, const ShapeStyle& style)
{
    if (SetShapeStyle(style)) Paint().Polygon({points.begin(), points.end()});
}

void RasterChartPainter::PolygonF(std::span<const PointF> points, const ShapeStyle& style)
{
    std::vector<Point> pixels;
    pixels.reserve(points.size());
    for (const PointF& p : points) pixels.push_back(RoundToPixel(p));
    Polygon(pixels, style);
}

void RasterChartPainter::Polyline(std::span<const Point> points, TColor color, int32_t width)
{
    Canvas& canvas = Paint();
    canvas.SetPen(color, width);
    canvas.Polyline({points.begin(), points.end()}, m_style.smoothLines);
}

void RasterChartPainter::Comments(const CommentBlocks& blocks)
{
    Canvas& canvas = Paint();
    if (blocks.header.height > 0) canvas.Draw(0, 0, blocks.header.picture);
    if (blocks.footer.height > 0)
        canvas.Draw(0, m_bitmap.Height() - blocks.footer.height, blocks.footer.picture);
}

}  // namespace qv
