// The raster back-end of ChartPainter: draws on a Bitmap through Canvas and the line layer.
#pragma once

#include <optional>

#include "charts/chart_painter.h"
#include "render/bitmap.h"
#include "render/canvas.h"
#include "render/person_symbols.h"

namespace qv {

class RasterChartPainter : public ChartPainter {
public:
    // The bitmap must outlive the painter.
    RasterChartPainter(Bitmap& bitmap, const ChartPainterStyle& style);

    PainterTarget Target() const override { return PainterTarget::Picture; }

    bool Lines(const TBitmapLine& lines, Point offset) override;
    void BeginSymbols() override {}
    void Symbol(const SymbolMark& mark) override;
    void EndSymbols() override {}
    void Text(Point at, std::string_view text, TColor color = kBlack) override;
    void Halo(Point at, TColor background, std::string_view text) override;
    void LabelLine(Point at, TColor background, std::string_view text) override;
    void RotatedText(Point centre, std::string_view text, TColor color, TColor background,
                     double angle) override;
    void Rectangle(Point a, Point b, const ShapeStyle& style) override;
    void Ellipse(Point a, Point b, const ShapeStyle& style) override;
    void Polygon(std::span<const Point> points, const ShapeStyle& style) override;
    void Polyline(std::span<const Point> points, TColor color, int32_t width) override;
    void BeginGroup(const GroupStyle&) override {}
    void EndGroup() override {}
    void Comments(const CommentBlocks& blocks) override;
    bool PlainLines(const TBitmapLine& lines, Point offset) override;
    void RotatedBlock(const TextBlock& block) override;
    void PolygonF(std::span<const PointF> points, const ShapeStyle& style) override;
    void MergeShapes(bool) override {}

private:
    // The canvas, opened on first use; the line layer writes pixels without it.
    Canvas& Paint();
    // False when the shape has neither fill nor outline.
    bool SetShapeStyle(const ShapeStyle& style);

    Bitmap& m_bitmap;
    ChartPainterStyle m_style;
    std::optional<Canvas> m_canvas;
    std::optional<PersonSymbols> m_symbols;
};

}  // namespace qv
