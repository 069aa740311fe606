// QPainter behind the chart canvas.
#include "render/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "render/utf16_text.h"

namespace qv {
namespace {

// The cells x1 .. x2 - 1 as a QRect whose stroke (one pixel wider than the rectangle)
// covers exactly them.
QRect OutlineRect(int x1, int y1, int x2, int y2)
{
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) - 1, std::abs(y2 - y1) - 1);
}

}  // namespace

Canvas::Canvas(Bitmap& bitmap) : m_bitmap(bitmap), m_metrics(m_fontSpec)
{
    if (!bitmap.Image().isNull()) m_painter.begin(&bitmap.Image());
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(m_metrics.Font());
    ApplyPen();
    ApplyBrush();
}

void Canvas::SetPen(TColor color, int width)
{
    m_penColor = color;
    m_penWidth = width;
    ApplyPen();
}

void Canvas::SetBrush(TColor color, BrushStyle style)
{
    m_brushColor = color;
    m_brushStyle = style;
    ApplyBrush();
}

void Canvas::SetBrushStyle(BrushStyle style)
{
    SetBrush(m_brushColor, style);
}

void Canvas::SetFont(const FontSpec& font)
{
    m_fontSpec = font;
    m_metrics = TextMetrics(font);
    m_painter.setFont(m_metrics.Font());
}

void Canvas::SetFontColor(TColor color)
{
    m_fontSpec.color = color;
}

void Canvas::SetFontSize(int points)
{
    FontSpec spec = m_fontSpec;
    spec.size = points;
    SetFont(spec);
}

void Canvas::ApplyPen()
{
    QPen pen(ToQColor(m_penColor));
    pen.setWidth(std::max(1, m_penWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void Canvas::ApplyBrush()
{
    if (m_brushStyle == BrushStyle::Clear)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(ToQColor(m_brushColor));
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2 || !m_painter.isActive()) return;
    m_painter.drawRect(OutlineRect(x1, y1, x2, y2));
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 || y1 == y2 || !m_painter.isActive()) return;
    m_painter.drawEllipse(OutlineRect(x1, y1, x2, y2));
}

void Canvas::Polygon(const std::vector<Point>& points)
{
    if (points.empty() || !m_painter.isActive()) return;
    QPolygon polygon;
    for (const Point& p : points) polygon << QPoint(p.x, p.y);
    m_painter.drawPolygon(polygon);
}

void Canvas::Polyline(const std::vector<Point>& points, bool smooth)
{
    if (points.size() < 2 || !m_painter.isActive()) return;
    QPolygon polyline;
    for (const Point& p : points) polyline << QPoint(p.x, p.y);
    m_painter.save();
    QPen pen = m_painter.pen();
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    m_painter.setPen(pen);
    m_painter.setRenderHint(QPainter::Antialiasing, smooth);
    m_painter.drawPolyline(polyline);
    m_painter.restore();
}

void Canvas::Line(Point from, Point to)
{
    if (m_painter.isActive()) m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void Canvas::FillRect(int x1, int y1, int x2, int y2)
{
    if (m_brushStyle == BrushStyle::Clear || !m_painter.isActive()) return;
    m_painter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                             QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)),
                       ToQColor(m_brushColor));
}

void Canvas::TextOut(int x, int y, std::u16string_view text)
{
    if (text.empty() || !m_painter.isActive()) return;
    TextExtent extent = m_metrics.Extent(text);
    if (m_brushStyle == BrushStyle::Solid)
        m_painter.fillRect(x, y, extent.width, extent.height, ToQColor(m_brushColor));
    QPen pen = m_painter.pen();
    m_painter.setPen(ToQColor(m_fontSpec.color));
    m_painter.drawText(x, y + QFontMetrics(m_metrics.Font()).ascent(), QStringFromUtf16(text));
    m_painter.setPen(pen);
}

void Canvas::Draw(int x, int y, const Bitmap& picture)
{
    if (picture.Image().isNull() || !m_painter.isActive()) return;
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(x, y, picture.Image());
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Canvas::DrawTransparent(int x, int y, const Bitmap& picture, TColor key)
{
    key = ColorToRgb(key);
    for (int j = 0; j < picture.Height(); ++j) {
        if (y + j < 0 || y + j >= m_bitmap.Height()) continue;
        for (int i = 0; i < picture.Width(); ++i) {
            TColor c = picture.Pixel(i, j);
            if (c != key) m_bitmap.SetPixel(x + i, y + j, c);
        }
    }
}

}  // namespace qv
