// Walking the SVG tree and writing PDF drawing operators.
#include "render/pdf_content.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string_view>
#include <vector>

#include "data/error.h"
#include "data/text_encoding.h"
#include "render/svg_numbers.h"
#include "render/text_metrics.h"

namespace qv {
namespace {

// The writer's default size, for text outside any font-size.
constexpr int kDefaultFontSize = 11;

bool IsStyleAttribute(std::string_view name)
{
    for (const char* style : {"fill", "stroke", "stroke-width", "stroke-linecap", "stroke-linejoin",
                              "font-size", "transform"})
        if (name == style) return true;
    return false;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "#RRGGBB" or "#RGB" as three components 0 .. 1; anything else is black.
std::string ColorComponents(std::string_view value)
{
    std::string digits;
    if (value.size() == 4 && value[0] == '#')
        for (char c : value.substr(1)) digits += {c, c};
    else if (value.size() == 7 && value[0] == '#')
        digits = value.substr(1);
    int channel[3] = {0, 0, 0};
    for (size_t i = 0; i < digits.size(); i += 2) {
        int high = HexDigit(digits[i]), low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0) return "0 0 0";
        channel[i / 2] = high * 16 + low;
    }
    return RealText(channel[0] / 255.0) + " " + RealText(channel[1] / 255.0) + " " +
           RealText(channel[2] / 255.0);
}

double NumberAttribute(const pugi::xml_node& element, const char* name)
{
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) return 0;
    size_t pos = 0;
    return ReadPathNumber(attribute.value(), pos, attribute.value());
}

// What the tree walk remembers in document order; an element's end does not reset it.
struct TSetting {
    std::string Fill = "none";
    std::string Stroke = "#000";
    std::string StrokeWidth;
    std::string StrokeLinecap;
    std::string StrokeLinejoin;
};

class ContentWriter {
public:
    ContentWriter(int height, const PdfFontSlots& fonts) : m_height(height), m_fonts(fonts) {}
    void Walk(const pugi::xml_node& root);
    std::string Take() { return std::move(m_out); }

private:
    struct Frame {
        pugi::xml_node node;
        bool exit = false;
        size_t fontSizes = 0;
        bool saved = false;
    };

    void Emit(const std::string& op) { (m_out += op) += '\n'; }
    std::string Y(double y, int decimals) const { return RealText(m_height - y, decimals); }
    std::string Point1(double x, double y) const { return RealText(x, 1) + " " + Y(y, 1); }
    Frame Enter(const pugi::xml_node& element);
    void Attribute(const pugi::xml_attribute& attribute, Frame& frame);
    void Rotate(std::string_view transform);
    std::string PaintOperator() const;
    void PathData(std::string_view data);
    void Text(const pugi::xml_node& element);
    void Circle(const pugi::xml_node& element);
    void Rect(const pugi::xml_node& element);
    void Polygon(const pugi::xml_node& element);

    int m_height;
    const PdfFontSlots& m_fonts;
    TSetting m_setting;
    std::vector<int> m_fontSizes;
    std::string m_out;
};

void ContentWriter::Walk(const pugi::xml_node& root)
{
    std::vector<Frame> stack;
    auto pushChildren = [&](const pugi::xml_node& parent) {
        std::vector<pugi::xml_node> children = ElementChildren(parent);
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            stack.push_back({*child});
    };
    pushChildren(root);
    while (!stack.empty()) {
        Frame frame = stack.back();
        stack.pop_back();
        if (frame.exit) {
            m_fontSizes.resize(m_fontSizes.size() - frame.fontSizes);
            if (frame.saved) Emit("Q");
            continue;
        }
        Frame exit = Enter(frame.node);
        stack.push_back(exit);
        std::string_view name = frame.node.name();
        if (name == "path")
            PathData(frame.node.attribute("d").value());
        else if (name == "text")
            Text(frame.node);
        else if (name == "circle")
            Circle(frame.node);
        else if (name == "rect")
            Rect(frame.node);
        else if (name == "polygon")
            Polygon(frame.node);
        else
            pushChildren(frame.node);
    }
}

ContentWriter::Frame ContentWriter::Enter(const pugi::xml_node& element)
{
    Frame exit{element, true};
    for (pugi::xml_attribute attribute : element.attributes())
        exit.saved = exit.saved || IsStyleAttribute(attribute.name());
    if (exit.saved) Emit("q");
    for (pugi::xml_attribute attribute : element.attributes()) Attribute(attribute, exit);
    return exit;
}

void ContentWriter::Attribute(const pugi::xml_attribute& attribute, Frame& frame)
{
    std::string_view name = attribute.name(), value = attribute.value();
    if (name == "fill") {
        m_setting.Fill = value;
        if (value != "none") Emit(ColorComponents(value) + " rg");
    } else if (name == "stroke") {
        m_setting.Stroke = value;
        Emit(ColorComponents(value) + " RG");
    } else if (name == "stroke-width") {
        m_setting.StrokeWidth = value;
        Emit(std::string(value) + " w");
    } else if (name == "stroke-linecap") {
        m_setting.StrokeLinecap = value;
        Emit(value == "round" ? "1 J" : value == "square" ? "2 J" : "0 J");
    } else if (name == "stroke-linejoin") {
        m_setting.StrokeLinejoin = value;
        Emit(value == "round" ? "1 j" : value == "bevel" ? "2 j" : "0 j");
    } else if (name == "font-size") {
        int size = 0;
        std::from_chars(value.data(), value.data() + value.size(), size);
        m_fontSizes.push_back(size);
        ++frame.fontSizes;
    } else if (name == "transform" && value.find("rotate") != std::string_view::npos) {
        Rotate(value);
    }
}

// rotate(a, cx, cy) about (cx, H - cy), in the same visual sense as on the SVG page.
void ContentWriter::Rotate(std::string_view transform)
{
    size_t pos = transform.find('(') + 1;
    double numbers[3] = {0, 0, 0};
    for (int i = 0; i < 3 && pos < transform.size() && transform[pos] != ')'; ++i) {
        while (pos < transform.size() && (transform[pos] == ',' || transform[pos] == ' ')) ++pos;
        numbers[i] = ReadPathNumber(transform, pos, transform);
    }
    double theta = numbers[0] * std::numbers::pi / 180, cx = numbers[1], cy = m_height - numbers[2];
    double c = std::cos(theta), s = std::sin(theta);
    // Row vectors: Tr(-cx, -cy) * R * Tr(cx, cy) with R = [c -s; s c].
    double e = -cx * c - cy * s + cx, f = cx * s - cy * c + cy;
    Emit(RealText(c) + " " + RealText(-s) + " " + RealText(s) + " " + RealText(c) + " " +
         RealText(e) + " " + RealText(f) + " cm");
}

std::string ContentWriter::PaintOperator() const
{
    if (m_setting.Fill == "none") return "s";
    return m_setting.StrokeWidth == "0" ? "h f" : "b";
}

// Moves, lines and closes; every other command and character is passed over one at a time.
void ContentWriter::PathData(std::string_view data)
{
    double x = 0, y = 0, startX = 0, startY = 0;
    bool open = false;
    auto number = [&](size_t& pos) { return ReadPathNumber(data, pos, data); };
    auto lineTo = [&](double nx, double ny) {
        // A line after a close starts a new subpath where the closed one began.
        if (!open) Emit(Point1(x, y) + " m");
        open = true;
        x = nx;
        y = ny;
        Emit(Point1(x, y) + " l");
    };
    for (size_t pos = 0; pos < data.size();) {
        char c = data[pos++];
        if (c == 'M' || c == 'm') {
            double nx = number(pos), ny = number(pos);
            x = startX = c == 'm' ? x + nx : nx;
            y = startY = c == 'm' ? y + ny : ny;
            Emit(Point1(x, y) + " m");
            open = true;
        } else if (c == 'L' || c == 'l') {
            double nx = number(pos), ny = number(pos);
            lineTo(c == 'l' ? x + nx : nx, c == 'l' ? y + ny : ny);
        } else if (c == 'H' || c == 'h') {
            double nx = number(pos);
            lineTo(c == 'h' ? x + nx : nx, y);
        } else if (c == 'V' || c == 'v') {
            double ny = number(pos);
            lineTo(x, c == 'v' ? y + ny : ny);
        } else if (c == 'Z' || c == 'z') {
            if (open) Emit(PaintOperator());
            open = false;
            x = startX;
            y = startY;
        }
    }
    if (open) Emit("S");
}

void ContentWriter::Text(const pugi::xml_node& element)
{
    std::u16string text = SvgTextContent(element);
    if (text.empty()) return;
    int size = m_fontSizes.empty() ? kDefaultFontSize : m_fontSizes.back();
    std::vector<PdfTextRun> runs = m_fonts.Encode(text);
    auto font = [&](int slot) {
        return "/R" + std::to_string(slot) + " " + std::to_string(FontPixelHeight(size)) + " Tf";
    };
    Emit(font(runs[0].slot));
    Emit("BT");
    if (m_setting.StrokeWidth != "0") Emit("2 Tr");
    Emit(RealText(NumberAttribute(element, "x")) + " " + Y(NumberAttribute(element, "y"), 3) +
         " Td");
    for (size_t i = 0; i < runs.size(); ++i) {
        if (i > 0) Emit(font(runs[i].slot));
        std::string escaped;
        for (char b : runs[i].bytes) {
            if (b == '\\' || b == '(' || b == ')') escaped += '\\';
            escaped += b;
        }
        Emit("(" + escaped + ")Tj");
    }
    Emit("ET");
}

void ContentWriter::Circle(const pugi::xml_node& element)
{
    double r = NumberAttribute(element, "r"), cx = NumberAttribute(element, "cx");
    double cy = m_height - NumberAttribute(element, "cy"), c = 0.5522422 * r;
    auto p = [](double px, double py) { return RealText(px) + " " + RealText(py); };
    Emit(p(cx + r, cy) + " m");
    Emit(p(cx + r, cy + c) + " " + p(cx + c, cy + r) + " " + p(cx, cy + r) + " c");
    Emit(p(cx - c, cy + r) + " " + p(cx - r, cy + c) + " " + p(cx - r, cy) + " c");
    Emit(p(cx - r, cy - c) + " " + p(cx - c, cy - r) + " " + p(cx, cy - r) + " c");
    Emit(p(cx + c, cy - r) + " " + p(cx + r, cy - c) + " " + p(cx + r, cy) + " c");
    Emit(PaintOperator());
}

void ContentWriter::Rect(const pugi::xml_node& element)
{
    double x = NumberAttribute(element, "x"), y = NumberAttribute(element, "y");
    double height = NumberAttribute(element, "height");
    Emit(RealText(x) + " " + RealText(m_height - y - height) + " " +
         element.attribute("width").value() + " " + element.attribute("height").value() + " re");
    Emit(PaintOperator());
}

// Pairs "x,y" separated by blanks: one separator character is passed over after each x.
void ContentWriter::Polygon(const pugi::xml_node& element)
{
    std::string_view points = element.attribute("points").value();
    bool first = true;
    size_t pos = 0;
    while (points.find_first_not_of(' ', pos) != std::string_view::npos) {
        double x = ReadPathNumber(points, pos, points);
        ++pos;
        double y = ReadPathNumber(points, pos, points);
        Emit(Point1(x, y) + (first ? " m" : " l"));
        first = false;
    }
    Emit(m_setting.Fill != "none" ? "b" : "s");
}

}  // namespace

std::vector<pugi::xml_node> ElementChildren(const pugi::xml_node& node)
{
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) children.push_back(child);
    return children;
}

std::u16string SvgTextContent(const pugi::xml_node& element)
{
    std::string text;
    std::vector<pugi::xml_node> stack{element};
    while (!stack.empty()) {
        pugi::xml_node node = stack.back();
        stack.pop_back();
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        std::vector<pugi::xml_node> children(node.begin(), node.end());
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return Utf16FromUtf8(text);
}

std::string PdfPageContent(const pugi::xml_node& root, int height, const PdfFontSlots& fonts)
{
    ContentWriter writer(height, fonts);
    writer.Walk(root);
    return writer.Take();
}

}  // namespace qv
