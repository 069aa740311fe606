// The PDF file around the page content: catalog, page, fonts and content.
#include "render/svg_to_pdf.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include <pugixml.hpp>

#include "data/atomic_file.h"
#include "data/error.h"
#include "render/pdf_content.h"
#include "render/pdf_file.h"
#include "render/pdf_font_slots.h"
#include "render/pdf_fonts.h"
#include "render/svg_numbers.h"

namespace qv {
namespace {

constexpr double kMaxPageSide = 14400;  // points
constexpr double kPointsPerPixel = 0.75;

std::string EscapePdfString(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '(' || c == ')') out += '\\';
        out += c;
    }
    return out;
}

// "300px" -> 300.
int PixelSize(const pugi::xml_node& root, const char* name)
{
    std::string text = root.attribute(name).value();
    std::string number = text.size() >= 2 ? text.substr(0, text.size() - 2) : std::string();
    int value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || result.ec != std::errc() || result.ptr != number.data() + number.size())
        throw Error("\"" + text + "\" ist keine gültige Bildgröße des SVG-Dokuments.");
    return value;
}

// Every text element's characters, in document order; text elements are not searched further.
void CollectGlyphs(const pugi::xml_node& root, PdfFontSlots& fontSlots)
{
    std::vector<pugi::xml_node> stack = ElementChildren(root);
    std::reverse(stack.begin(), stack.end());
    while (!stack.empty()) {
        pugi::xml_node node = stack.back();
        stack.pop_back();
        if (std::string_view(node.name()) == "text") {
            fontSlots.Collect(SvgTextContent(node));
            continue;
        }
        std::vector<pugi::xml_node> children = ElementChildren(node);
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
}

}  // namespace

std::string SvgToPdf(const TScalableVectorGraphics& svg, const std::string& creator)
{
    std::string source = svg.SaveToString();
    pugi::xml_document document;
    pugi::xml_parse_result parsed = document.load_buffer(source.data(), source.size());
    if (!parsed)
        throw Error(std::string("Das SVG-Dokument ist fehlerhaft: ") + parsed.description());
    pugi::xml_node root = document.document_element();
    int width = PixelSize(root, "width"), height = PixelSize(root, "height");
    double scale = std::min(kMaxPageSide / std::max(width, height), kPointsPerPixel);

    PdfFontSlots fontSlots;
    CollectGlyphs(root, fontSlots);
    std::string content = "q " + RealText(scale, 4) + " 0 0 " + RealText(scale, 4) + " 0 0 cm\n" +
                          PdfPageContent(root, height, fontSlots) + "Q\n";

    PdfFile file;
    file.Raw("%PDF-1.3\n%,\xFD\xFE\n");
    file.Dictionary(1, {"/Type /Catalog", "/Pages 3 0 R"});
    file.Dictionary(2, {"/Creator(" + EscapePdfString(creator) + ")"});
    file.Dictionary(3, {"/Type /Pages", "/Count 1", "/Kids [ 4 0 R ]"});
    file.Dictionary(
        4, {"/Type /Page",
            "/MediaBox [ 0 0 " + RealText(width * scale) + " " + RealText(height * scale) + " ]",
            "/Resources <<", "/ProcSet [ /PDF /Text ]", "/Font 7 0 R", ">>", "/Contents 10 0 R",
            "/Parent 3 0 R"});
    const std::vector<TFont>& fonts = fontSlots.Slots();
    std::vector<std::string> resources;
    for (size_t n = 0; n < fonts.size(); ++n)
        resources.push_back("/R" + std::to_string(n) + " " + std::to_string(3 * n + 16) + " 0 R");
    file.Dictionary(7, resources);
    WritePdfFonts(file, fontSlots);
    file.Stream(10, "<<\n/Length " + std::to_string(content.size()) + "\n>>", content);
    return file.Finish();
}

void SaveSvgAsPdf(const TScalableVectorGraphics& svg, const std::string& fileName,
                  const std::string& creator)
{
    WriteFileAtomically(fileName, SvgToPdf(svg, creator));
}

}  // namespace qv
