// ChartPainter: the one drawing interface of the charts. A chart draws each element once
// through it; a back-end turns the calls into a raster picture or an SVG document.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "app/image_settings_symbol.h"
#include "data/array_types.h"
#include "render/bitmap.h"
#include "render/bitmap_line.h"
#include "render/color.h"
#include "render/person_symbols.h"
#include "render/point.h"
#include "render/text_metrics.h"

namespace qv {

// What the back-ends take from a chart's settings.
struct ChartPainterStyle {
    // FONT_SIZE and FONT_ANTIALIASING; small-text runs use two thirds of the size.
    FontSpec font;
    // FONT_STAY_ON_TOP: label lines get a halo in their background colour first.
    bool labelHalo = false;
    // The chart's line antialiasing: lines supersampled, symbols from the smoothed pictures.
    bool smoothLines = false;
    TImageSettings_Symbol symbol;
};

// A picture is painted at once, call by call; a document collects some calls into groups.
enum class PainterTarget { Picture, Document };

// Where a symbol goes among the symbols of its colour in a symbol layer: ascending, equal
// orders in the order of the calls.
using SymbolOrder = std::pair<int64_t, int64_t>;

struct SymbolMark {
    // "M" a square, "F" a circle, anything else a triangle pointing the direction.
    char sex = 'U';
    SymbolDirection direction = SymbolDirection::Down;
    Point at;  // the centre
    SymbolOrder order;
    // Further attributes of the document's element (ids, event handlers), with a leading blank.
    std::string attributes;
};

// A shape's look: an outline width of 0 means no outline (and no fill, nothing at all).
struct ShapeStyle {
    std::optional<TColor> fill;
    TColor outline = kBlack;
    int32_t outlineWidth = 1;
};

// The attributes a document group carries for its elements, and attributes of its own
// (ids, event handlers, with a leading blank). A picture has no groups.
struct GroupStyle {
    std::optional<TColor> stroke;
    std::optional<int32_t> strokeWidth;
    std::optional<TColor> fill;
    bool font = false;  // the style's font family and size
    std::string attributes;

    GroupStyle& Stroke(TColor color, int32_t width)
    {
        stroke = color;
        return StrokeWidth(width);
    }
    GroupStyle& StrokeWidth(int32_t width)
    {
        strokeWidth = width;
        return *this;
    }
    GroupStyle& Fill(TColor color)
    {
        fill = color;
        return *this;
    }
    GroupStyle& Font()
    {
        font = true;
        return *this;
    }
};

// The comment blocks above and below a chart: the HTML lines (a document embeds them as
// XHTML) and the same rendered at the chart's width (a picture copies it). Height 0 leaves a
// block out.
struct CommentBlock {
    int32_t height = 0;
    TArrayOfString html;
    Bitmap picture;
};

struct CommentBlocks {
    CommentBlock header;
    CommentBlock footer;
};

// Lines of plain text turned as one block about its centre: line j of n is centred
// (j - (n - 1) / 2) line heights from the centre along the block's turned downward axis.
struct TextBlock {
    Point centre;
    TArrayOfString lines;
    int fontSize = 10;  // points
    // Radians, clockwise on the y-down chart.
    double angle = 0;
    TColor color = kBlack;
    // The chart's colour where the block lands.
    TColor background = kWhite;
};

class ChartPainter {
public:
    virtual ~ChartPainter() = default;

    virtual PainterTarget Target() const = 0;

    // The chart's connecting lines, each cell (x, y) landing on (x + offset.x, y + offset.y);
    // false when the line layer's progress callback cancelled.
    virtual bool Lines(const TBitmapLine& lines, Point offset) = 0;

    // Symbols between BeginSymbols and EndSymbols form one layer, which a document writes at
    // EndSymbols as one group per colour (males, females, others), each in SymbolOrder.
    virtual void BeginSymbols() = 0;
    virtual void Symbol(const SymbolMark& mark) = 0;
    virtual void EndSymbols() = 0;

    // UTF-8 text with small-text runs, its top-left corner at `at`; malformed text draws
    // nothing.
    virtual void Text(Point at, std::string_view text, TColor color = kBlack) = 0;
    // The halo of a label line alone: the text widened in the background colour.
    virtual void Halo(Point at, TColor background, std::string_view text) = 0;
    // A label line: its halo when the style asks for one, then the text in black.
    virtual void LabelLine(Point at, TColor background, std::string_view text) = 0;
    // One line of plain text centred on `centre` and turned by angle (radians, clockwise on
    // the y-down chart); the background is the chart's colour where the text lands.
    virtual void RotatedText(Point centre, std::string_view text, TColor color, TColor background,
                             double angle) = 0;

    // Shapes between the corners a and b (a rectangle covers a.x .. b.x - 1 on a picture).
    virtual void Rectangle(Point a, Point b, const ShapeStyle& style) = 0;
    virtual void Ellipse(Point a, Point b, const ShapeStyle& style) = 0;
    virtual void Polygon(std::span<const Point> points, const ShapeStyle& style) = 0;
    // An open line through the points, width pixels wide; a picture smooths it when the
    // style asks for smooth lines.
    virtual void Polyline(std::span<const Point> points, TColor color, int32_t width) = 0;

    virtual void BeginGroup(const GroupStyle& style) = 0;
    virtual void EndGroup() = 0;

    virtual void Comments(const CommentBlocks& blocks) = 0;

    // As Lines, without gaps where lines cross.
    virtual bool PlainLines(const TBitmapLine& lines, Point offset) = 0;
    virtual void RotatedBlock(const TextBlock& block) = 0;
    // Corners in real pixels: rounded to whole pixels (ties to even) on a picture, written
    // with one decimal in a document.
    virtual void PolygonF(std::span<const PointF> points, const ShapeStyle& style) = 0;
    // Whether a document may join the next shapes to the previous path of the same style;
    // a picture has nothing to join.
    virtual void MergeShapes(bool on) = 0;
};

}  // namespace qv
