// The raster canvas the charts draw on: pen, brush, font, shapes, text and pictures.
#pragma once

#include <string_view>
#include <vector>

#include <QPainter>

#include "render/bitmap.h"
#include "render/point.h"
#include "render/text_metrics.h"

namespace qv {

enum class BrushStyle { Solid, Clear };

// Draws on a Bitmap for its own lifetime. Shapes follow the conventions the chart layouts are
// written for: rectangles and ellipses cover x1 .. x2 - 1 and y1 .. y2 - 1, the outline in the
// pen and the inside in the brush (none when clear); no antialiasing except for smoothed text.
// Text is placed by the top-left corner of its cell and, like every shape, gets a background
// box in the brush colour unless the brush is clear.
class Canvas {
public:
    explicit Canvas(Bitmap& bitmap);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return m_bitmap; }

    // A width of 0 draws one pixel wide, as 1 does.
    void SetPen(TColor color, int width = 1);
    void SetBrush(TColor color, BrushStyle style = BrushStyle::Solid);
    void SetBrushStyle(BrushStyle style);
    void SetFont(const FontSpec& font);
    void SetFontColor(TColor color);
    void SetFontSize(int points);
    const FontSpec& Font() const { return m_fontSpec; }
    TColor PenColor() const { return m_penColor; }
    TColor BrushColor() const { return m_brushColor; }

    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const std::vector<Point>& points);
    // An open line through the points, with round joins; smooth draws it antialiased.
    void Polyline(const std::vector<Point>& points, bool smooth);
    // Both end points painted.
    void Line(Point from, Point to);
    // The brush only, no outline.
    void FillRect(int x1, int y1, int x2, int y2);

    void TextOut(int x, int y, std::u16string_view text);
    TextExtent Extent(std::u16string_view text) const { return m_metrics.Extent(text); }
    int TextWidth(std::u16string_view text) const { return m_metrics.Width(text); }
    int TextHeight() const { return m_metrics.Height(); }

    // Copies the picture with its top-left corner at (x, y).
    void Draw(int x, int y, const Bitmap& picture);
    // As Draw, leaving out the picture's pixels of the key colour.
    void DrawTransparent(int x, int y, const Bitmap& picture, TColor key);

private:
    void ApplyPen();
    void ApplyBrush();

    Bitmap& m_bitmap;
    QPainter m_painter;
    TColor m_penColor = kBlack;
    int m_penWidth = 1;
    TColor m_brushColor = kWhite;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    FontSpec m_fontSpec;
    TextMetrics m_metrics;
};

}  // namespace qv
