// Drawing state, group styles and the element operations of the SVG writer.
#include "render/scalable_vector_graphics.h"

#include <algorithm>
#include <cassert>

#include "data/text_encoding.h"
#include "render/svg_numbers.h"
#include "render/xml_text.h"

namespace qv {
namespace {

std::string Quoted(std::string_view name, const std::string& value)
{
    std::string text(1, ' ');
    (text += name) += "=\"";
    AppendXmlText(text, value);
    return text += '"';
}

// A path command letter and its integers, separated by blanks: "M10 20".
std::string Command(char letter, int32_t first)
{
    std::string text(1, letter);
    return text += std::to_string(first);
}

std::string Command(char letter, int32_t x, int32_t y)
{
    return (Command(letter, x) += ' ') += std::to_string(y);
}

bool Between(int32_t value, int32_t a, int32_t b)
{
    return value >= std::min(a, b) && value <= std::max(a, b);
}

// Merges straight runs of a polyline into one segment; a reversal keeps its turning point.
std::vector<Point> SimplifyPolyline(const Point* points, int highIndex)
{
    std::vector<Point> kept{points[0], points[1]};
    for (int i = 2; i <= highIndex; ++i) {
        Point p = points[i], last = kept.back(), before = kept[kept.size() - 2];
        if ((last.x == p.x && p.x == before.x && Between(last.y, before.y, p.y)) ||
            (last.y == p.y && p.y == before.y && Between(last.x, before.x, p.x)))
            kept.back() = p;
        else
            kept.push_back(p);
    }
    return kept;
}

bool BlankOnly(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace

TScalableVectorGraphics::TScalableVectorGraphics(std::string encoding)
    : Encoding(std::move(encoding)), Groups(1)
{
}

void TScalableVectorGraphics::AddStrings(const std::vector<std::string>& lines)
{
    Body.insert(Body.end(), lines.begin(), lines.end());
}

std::string TScalableVectorGraphics::InheritedText(int32_t bit) const
{
    for (auto group = Groups.rbegin(); group != Groups.rend(); ++group) {
        if (!(group->Flags & bit)) continue;
        switch (bit) {
            case kSvgFill:
                return group->Fill;
            case kSvgStroke:
                return group->Stroke;
            case kSvgStrokeWidth:
                return group->StrokeWidth;
            case kSvgFontFamily:
                return group->FontFamily;
            case kSvgFontSize:
                return group->FontSize;
        }
    }
    return {};
}

std::string TScalableVectorGraphics::StyleAttribute(int32_t bit) const
{
    std::string text;
    switch (bit) {
        case kSvgFill:
            text = Brush.Style == TSVGBrushStyle::Clear ? std::string(" fill=\"none\"")
                                                        : Quoted("fill", ColorText(Brush.Color));
            break;
        case kSvgStroke:
            text = Quoted("stroke", ColorText(Pen.Color));
            break;
        case kSvgStrokeWidth:
            text = Quoted("stroke-width", std::to_string(Pen.Width));
            break;
        case kSvgFontFamily:
            text = Quoted("font-family", Font.Name);
            break;
        case kSvgFontSize:
            text = Quoted("font-size", std::to_string(Font.Size) + "pt");
            break;
    }
    return text == InheritedText(bit) ? std::string() : text;
}

std::string TScalableVectorGraphics::Style(std::initializer_list<int32_t> bits,
                                           std::string_view extra) const
{
    std::string style;
    for (int32_t bit : bits) style += StyleAttribute(bit);
    return style += extra;
}

void TScalableVectorGraphics::BeginGroup(int32_t flags, std::string_view extra)
{
    TSVG_Settings group;
    group.Flags = flags;
    std::string attributes;
    for (int32_t bit : {kSvgStroke, kSvgStrokeWidth, kSvgFill, kSvgFontFamily, kSvgFontSize}) {
        if (!(flags & bit)) continue;
        std::string text = StyleAttribute(bit);
        if (text.empty()) {
            group.Flags &= ~bit;
            continue;
        }
        attributes += text;
        switch (bit) {
            case kSvgFill:
                group.Fill = text;
                break;
            case kSvgStroke:
                group.Stroke = text;
                break;
            case kSvgStrokeWidth:
                group.StrokeWidth = text;
                break;
            case kSvgFontFamily:
                group.FontFamily = text;
                break;
            case kSvgFontSize:
                group.FontSize = text;
                break;
        }
    }
    Groups.push_back(std::move(group));
    Body.push_back("<g" + attributes + std::string(extra) + ">");
}

void TScalableVectorGraphics::EndGroup()
{
    assert(Groups.size() > 1 && "EndGroup without BeginGroup");
    if (Groups.size() <= 1) return;
    Groups.pop_back();
    Body.push_back("</g>");
}

void TScalableVectorGraphics::Rectangle(int x1, int y1, int x2, int y2, std::string_view extra)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int w = x2 - x1, h = y2 - y1;
    std::string style = Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra);
    std::string rect = "<rect x=\"" + std::to_string(x1) + "\" y=\"" + std::to_string(y1) +
                       "\" width=\"" + std::to_string(w) + "\" height=\"" + std::to_string(h) +
                       "\"" + style + "/>";
    std::string data = Command('M', x1, y1);
    ((data += Command('h', w)) += Command('v', h)) += Command('h', -w);
    data += 'z';
    size_t pathLength = std::string("<path d=\"\"/>").size() + data.size() + style.size();
    if (pathLength >= rect.size() || RectAsElement)
        Body.push_back(rect);
    else
        AddPath(data, style);
}

void TScalableVectorGraphics::Ellipse(int x1, int y1, int x2, int y2, std::string_view extra)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int w = x2 - x1, h = y2 - y1;
    double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    if (w == h) {
        Circle(cx, cy, w / 2.0, extra);
        return;
    }
    Body.push_back("<ellipse cx=\"" + RealText(cx) + "\" cy=\"" + RealText(cy) + "\" rx=\"" +
                   RealText(w / 2.0) + "\" ry=\"" + RealText(h / 2.0) + "\"" +
                   Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra) + "/>");
}

void TScalableVectorGraphics::Circle(double cx, double cy, double r, std::string_view extra)
{
    // A zero centre coordinate is left to the SVG default.
    std::string centre;
    if (cx != 0) centre += " cx=\"" + RealText(cx) + "\"";
    if (cy != 0) centre += " cy=\"" + RealText(cy) + "\"";
    Body.push_back("<circle" + centre + " r=\"" + RealText(r) + "\"" +
                   Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra) + "/>");
}

void TScalableVectorGraphics::Polygon(const Point* points, int highIndex, std::string_view extra)
{
    if (highIndex < 0) return;
    std::string data = Command('M', points[0].x, points[0].y) + " ";
    for (int i = 1; i <= highIndex; ++i)
        if (!(points[i] == points[i - 1])) (data += Command('L', points[i].x, points[i].y)) += ' ';
    AddPath(data + "z", Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra));
}

void TScalableVectorGraphics::PolygonF(const PointF* points, int highIndex, int decimals,
                                       std::string_view extra)
{
    if (highIndex < 0) return;
    std::string lastX = RealText(points[0].x, decimals), lastY = RealText(points[0].y, decimals);
    std::string data = "M" + lastX + " " + lastY + " ";
    for (int i = 1; i <= highIndex; ++i) {
        std::string x = RealText(points[i].x, decimals), y = RealText(points[i].y, decimals);
        if (x == lastX && y == lastY) continue;
        data += "L" + x + " " + y + " ";
        lastX = x;
        lastY = y;
    }
    AddPath(data + "z", Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra));
}

void TScalableVectorGraphics::Polyline(const Point* points, int highIndex, std::string_view extra)
{
    if (highIndex < 1) return;
    std::vector<Point> kept = SimplifyPolyline(points, highIndex);
    std::string style = StyleAttribute(kSvgStroke) + StyleAttribute(kSvgStrokeWidth);
    if (InheritedText(kSvgFill) != " fill=\"none\"") style += " fill=\"none\"";
    style += extra;
    std::string data = Command('M', kept[0].x, kept[0].y);
    for (size_t i = 1; i < kept.size(); ++i) {
        Point p = kept[i], previous = kept[i - 1];
        if (p.x == previous.x)
            data += Command('V', p.y);
        else if (p.y == previous.y)
            data += Command('H', p.x);
        else
            data += Command('L', p.x, p.y);
    }
    AddPath(data, style);
}

void TScalableVectorGraphics::Path(std::string_view data, std::string_view extra)
{
    AddPath(data, Style({kSvgStroke, kSvgStrokeWidth, kSvgFill}, extra));
}

void TScalableVectorGraphics::AddPath(std::string_view data, std::string_view style)
{
    if (MergePaths && !Body.empty()) {
        std::string& last = Body.back();
        size_t open = last.find("<path d=\"");
        size_t close = open == std::string::npos ? open : last.find('"', open + 9);
        size_t end = close == std::string::npos ? close : last.find("/>", close + 1);
        if (end != std::string::npos && last.compare(close + 1, end - close - 1, style) == 0) {
            last.insert(close, data);
            return;
        }
    }
    Body.push_back("<path d=\"" + std::string(data) + "\"" + std::string(style) + "/>");
}

void TScalableVectorGraphics::TextOut(int x, int y, std::string_view text, std::string_view extra)
{
    if (BlankOnly(text)) return;
    std::string style = StyleAttribute(kSvgFontFamily) + StyleAttribute(kSvgFontSize);
    if (Pen.Width >= 1) style += StyleAttribute(kSvgStroke);
    style += StyleAttribute(kSvgStrokeWidth) + StyleAttribute(kSvgFill) + std::string(extra);
    int baseline = y + FontPixelHeight(Font.Size) - 1;
    Body.push_back("<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(baseline) + "\"" +
                   style + ">" + EscapeSvgText(text) + "</text>");
}

const TextMetrics& TScalableVectorGraphics::Metrics() const
{
    if (!m_metrics || m_metricsFont.Name != Font.Name || m_metricsFont.Size != Font.Size) {
        FontSpec spec;
        spec.name = Font.Name;
        spec.size = Font.Size;
        m_metrics.emplace(spec);
        m_metricsFont = Font;
    }
    return *m_metrics;
}

int TScalableVectorGraphics::TextWidth(std::string_view text) const
{
    return Metrics().Width(Utf16FromUtf8(text));
}

int TScalableVectorGraphics::TextHeight() const
{
    return Metrics().Height();
}

std::string EscapeSvgText(std::string_view text)
{
    std::string out;
    AppendXmlText(out, text);
    return out;
}

}  // namespace qv
