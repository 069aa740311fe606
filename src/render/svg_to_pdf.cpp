// The PDF file around the page content: objects, fonts, cross-reference table and trailer.
#include "render/svg_to_pdf.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include <pugixml.hpp>

#include "data/atomic_file.h"
#include "data/error.h"
#include "render/pdf_content.h"
#include "render/pdf_font_slots.h"
#include "render/svg_numbers.h"
#include "render/text_metrics.h"

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

std::string Hex(int value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
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

class PdfFile {
public:
    void Line(const std::string& line) { (m_bytes += line) += '\n'; }
    void Raw(const std::string& bytes) { m_bytes += bytes; }
    void BeginObject(int number)
    {
        m_offsets.resize(std::max<size_t>(m_offsets.size(), size_t(number) + 1), -1);
        m_offsets[number] = int64_t(m_bytes.size());
        Line(std::to_string(number) + " 0 obj");
    }
    void Dictionary(int number, const std::vector<std::string>& entries);
    void Stream(int number, const std::string& dictionary, const std::string& data);
    std::string Finish();

private:
    std::string m_bytes;
    std::vector<int64_t> m_offsets;
};

void PdfFile::Dictionary(int number, const std::vector<std::string>& entries)
{
    BeginObject(number);
    Line("<<");
    for (const std::string& entry : entries) Line(entry);
    Line(">>");
    Line("endobj");
}

void PdfFile::Stream(int number, const std::string& dictionary, const std::string& data)
{
    BeginObject(number);
    Line(dictionary);
    Line("stream");
    Raw(data);
    Line("endstream");
    Line("endobj");
}

// One subsection from 0; unused numbers are free entries chained from object 0.
std::string PdfFile::Finish()
{
    int64_t xref = int64_t(m_bytes.size());
    size_t size = m_offsets.size();
    std::vector<size_t> free{0};
    for (size_t n = 1; n < size; ++n)
        if (m_offsets[n] < 0) free.push_back(n);
    Line("xref");
    Line("0 " + std::to_string(size));
    char entry[32];
    for (size_t n = 0, f = 0; n < size; ++n) {
        if (n == 0 || m_offsets[n] < 0) {
            size_t next = f + 1 < free.size() ? free[f + 1] : 0;
            std::snprintf(entry, sizeof entry, "%.10zu %05d f \n", next, n == 0 ? 65535 : 0);
            ++f;
        } else {
            std::snprintf(entry, sizeof entry, "%.10lld 00000 n \n", (long long)m_offsets[n]);
        }
        Raw(entry);
    }
    for (const char* line : {"trailer", "<<"}) Line(line);
    Line("/Size " + std::to_string(size));
    for (const char* line : {"/Root 1 0 R", "/Info 2 0 R", ">>", "startxref"}) Line(line);
    Line(std::to_string(xref));
    Line("%%EOF");
    return std::move(m_bytes);
}

std::string ToUnicodeMap(const TFont& slot)
{
    std::string map =
        "/CIDInit /ProcSet findresource begin 12 dict begin begincmap /CIDSystemInfo <<\r\n"
        "/Registry (None) /Ordering (None) /Supplement 0 >> def\r\n"
        "/CMapName /aCMapName def\r\n"
        "/CMapType 2 def\r\n";
    map += std::to_string(slot.LastChar - 31) + " beginbfchar\r\n";
    for (int code = 32; code <= slot.LastChar; ++code)
        ((((map += '<') += Hex(code, 2)) += "> <") += Hex(slot.Units[code], 4)) += ">\r\n";
    return map + "endbfchar\r\nendcmap CMapName currentdict /CMap defineresource pop end end\r\n";
}

void WriteFontSlot(PdfFile& file, int n, const TFont& slot)
{
    std::string widths = "/Widths [ ", differences = "/Differences [";
    for (int code = 32; code <= slot.LastChar; ++code) {
        widths += std::to_string(PdfGlyphWidth(slot.Units[code])) + " ";
        (((differences += ' ') += std::to_string(code)) += " /uni") += Hex(slot.Units[code], 4);
    }
    file.Dictionary(3 * n + 16,
                    {"/BaseFont /Helvetica", "/Type /Font", "/Subtype /Type1",
                     "/Encoding " + std::to_string(3 * n + 17) + " 0 R", "/FirstChar 32",
                     "/LastChar " + std::to_string(slot.LastChar), widths + "]",
                     "/ToUnicode " + std::to_string(3 * n + 18) + " 0 R"});
    file.Dictionary(3 * n + 17, {"/Type /Encoding", differences + "]"});
    std::string map = ToUnicodeMap(slot);
    file.Stream(3 * n + 18, "<< /Length " + std::to_string(map.size()) + " >>", map);
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
    for (size_t n = 0; n < fonts.size(); ++n) WriteFontSlot(file, int(n), fonts[n]);
    file.Stream(10, "<<\n/Length " + std::to_string(content.size()) + "\n>>", content);
    return file.Finish();
}

void SaveSvgAsPdf(const TScalableVectorGraphics& svg, const std::string& fileName,
                  const std::string& creator)
{
    WriteFileAtomically(fileName, SvgToPdf(svg, creator));
}

}  // namespace qv
