// The SVG back-end of ChartPainter: writes into a TScalableVectorGraphics document, symbols
// grouped by colour, text as text elements, comment blocks as foreign HTML.
#pragma once

#include <vector>

#include "charts/chart_painter.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

class SvgChartPainter : public ChartPainter {
public:
    // The document must outlive the painter; its size is set by the caller. A document made
    // for PDF conversion (PdfTarget) gets plain symbol shapes.
    SvgChartPainter(TScalableVectorGraphics& svg, const ChartPainterStyle& style);

    PainterTarget Target() const override { return PainterTarget::Document; }

    bool Lines(const TBitmapLine& lines, Point offset) override;
    void BeginSymbols() override;
    void Symbol(const SymbolMark& mark) override;
    void EndSymbols() override;
    void Text(Point at, std::string_view text, TColor color = kBlack) override;
    void Halo(Point at, TColor background, std::string_view text) override;
    void LabelLine(Point at, TColor background, std::string_view text) override;
    void RotatedText(Point centre, std::string_view text, TColor color, TColor background,
                     double angle) override;
    void Rectangle(Point a, Point b, const ShapeStyle& style) override;
    void Ellipse(Point a, Point b, const ShapeStyle& style) override;
    void Polygon(std::span<const Point> points, const ShapeStyle& style) override;
    void Polyline(std::span<const Point> points, TColor color, int32_t width) override;
    void BeginGroup(const GroupStyle& style) override;
    void EndGroup() override;
    void Comments(const CommentBlocks& blocks) override;
    bool PlainLines(const TBitmapLine& lines, Point offset) override;
    void RotatedBlock(const TextBlock& block) override;
    void PolygonF(std::span<const PointF> points, const ShapeStyle& style) override;
    void MergeShapes(bool on) override { m_svg.MergePaths = on; }

private:
    void WriteSymbol(const SymbolMark& mark);
    // Runs of the text at the writer's pen and brush, small runs in the small size.
    void WriteRuns(Point at, std::string_view text);
    // False when the shape has neither fill nor outline.
    bool SetShapeStyle(const ShapeStyle& style);
    void UseFont();
    void WriteCommentBlock(int32_t y, const CommentBlock& block);

    TScalableVectorGraphics& m_svg;
    ChartPainterStyle m_style;
    bool m_inSymbolLayer = false;
    std::vector<SymbolMark> m_layer;
};

}  // namespace qv
