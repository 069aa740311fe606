// TScalableVectorGraphics: one SVG 1.1 document built in memory, one element per line, with
// canvas-like pen, brush and font, inherited group styles and merged paths.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "render/color.h"
#include "render/point.h"
#include "render/text_metrics.h"

namespace qv {

// Attribute bits of groups and of the style of elements.
enum SvgAttribute : int32_t {
    kSvgFill = 1,
    kSvgStroke = 2,
    kSvgStrokeWidth = 4,
    kSvgFontFamily = 8,
    kSvgFontSize = 16,
};

struct TSVG_Settings {
    int32_t Flags = 0;
    // Complete attribute texts with their leading blank, or empty.
    std::string Stroke, StrokeWidth, Fill, FontFamily, FontSize;
};

struct TSVGPen {
    TColor Color = kBlack;
    int32_t Width = 1;
};

enum class TSVGBrushStyle { Solid, Clear };

struct TSVGBrush {
    TColor Color = kWhite;
    TSVGBrushStyle Style = TSVGBrushStyle::Solid;
};

struct TSVGFont {
    std::string Name = "Arial";
    int32_t Size = 11;  // points
};

class TScalableVectorGraphics {
public:
    explicit TScalableVectorGraphics(std::string encoding = "UTF-8");

    std::string Encoding;
    std::vector<std::string> Body;
    // The document level is the first record and is never removed.
    std::vector<TSVG_Settings> Groups;
    TSVGPen Pen;
    TSVGBrush Brush;
    TSVGFont Font;
    int32_t Width = 0;
    int32_t Height = 0;
    bool MergePaths = true;
    bool TrimLines = false;
    // Rectangles stay rect elements even where a path would be shorter.
    bool RectAsElement = false;
    // The document will be converted to PDF: symbols are written as plain shapes.
    bool PdfTarget = false;

    void Add(std::string line) { Body.push_back(std::move(line)); }
    void AddStrings(const std::vector<std::string>& lines);

    void BeginGroup(int32_t flags, std::string_view extra = {});
    void EndGroup();

    void Rectangle(int x1, int y1, int x2, int y2, std::string_view extra = {});
    void Ellipse(int x1, int y1, int x2, int y2, std::string_view extra = {});
    void Circle(double cx, double cy, double r, std::string_view extra = {});
    void Polygon(const Point* points, int highIndex, std::string_view extra = {});
    void PolygonF(const PointF* points, int highIndex, int decimals, std::string_view extra = {});
    void Polyline(const Point* points, int highIndex, std::string_view extra = {});
    void Path(std::string_view data, std::string_view extra = {});
    void AddPath(std::string_view data, std::string_view style);
    // Top-left corner at (x, y); text is UTF-8.
    void TextOut(int x, int y, std::string_view text, std::string_view extra = {});

    int TextWidth(std::string_view text) const;
    int TextHeight() const;

    // The text of the style attribute of one bit: empty when it equals the inherited one.
    std::string StyleAttribute(int32_t bit) const;
    std::string InheritedText(int32_t bit) const;

    // Throws Error when path data holds a number that cannot be read; nothing is written then.
    void SaveToStream(std::ostream& out) const;
    std::string SaveToString() const;
    // Through a temporary file: a failed save leaves no file behind.
    void SaveToFile(const std::string& fileName) const;

private:
    std::string Style(std::initializer_list<int32_t> bits, std::string_view extra) const;
    const TextMetrics& Metrics() const;

    mutable std::optional<TextMetrics> m_metrics;
    mutable TSVGFont m_metricsFont;
};

// The content of a text element: escaped, malformed UTF-8 replaced by U+FFFD, control
// characters left out (a line break would also split the element's line).
std::string EscapeSvgText(std::string_view text);

}  // namespace qv
