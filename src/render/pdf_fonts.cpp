// Font dictionaries, descriptors, ToUnicode maps and font files of the PDF page.
#include "render/pdf_fonts.h"

#include <cmath>
#include <cstdio>

#include <zlib.h>

#include "data/error.h"
#include "render/pdf_text_font.h"
#include "render/svg_numbers.h"
#include "render/text_metrics.h"
#include "render/truetype_subset.h"

namespace qv {
namespace {

// The descriptor's Symbolic flag: the font's own cmap, not a standard encoding, gives the glyphs.
constexpr int kSymbolicFlag = 4;
// A guess at the dominant stem width, which readers only use to fake a missing font.
constexpr int kStemV = 80;

std::string Hex(int value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string Reference(int number)
{
    return std::to_string(number) + " 0 R";
}

// Six capital letters from the font file, so that different subsets carry different names.
std::string SubsetTag(const std::string& fontFile)
{
    uint64_t hash = 14695981039346656037ull;
    for (char c : fontFile) hash = (hash ^ uint8_t(c)) * 1099511628211ull;
    std::string tag;
    for (int i = 0; i < 6; ++i, hash /= 26) tag += char('A' + hash % 26);
    return tag;
}

std::string Deflated(const std::string& bytes)
{
    uLongf size = compressBound(uLong(bytes.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.data()), uLong(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw Error("Die Schrift für den PDF-Text lässt sich nicht packen.");
    packed.resize(size);
    return packed;
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

std::vector<std::string> Descriptor(const std::string& name, const TrueTypeMetrics& metrics,
                                    int fontFile)
{
    auto scaled = [&](int units) {
        return std::to_string(std::lround(units * 1000.0 / metrics.unitsPerEm));
    };
    return {"/Type /FontDescriptor",
            "/FontName " + name,
            "/Flags " + std::to_string(kSymbolicFlag),
            "/FontBBox [ " + scaled(metrics.xMin) + " " + scaled(metrics.yMin) + " " +
                scaled(metrics.xMax) + " " + scaled(metrics.yMax) + " ]",
            "/ItalicAngle " + RealText(metrics.italicAngle),
            "/Ascent " + scaled(metrics.ascent),
            "/Descent " + scaled(metrics.descent),
            "/CapHeight " + scaled(metrics.capHeight),
            "/StemV " + std::to_string(kStemV),
            "/FontFile2 " + Reference(fontFile)};
}

void WriteSlot(PdfFile& file, int n, int fontFile, const TFont& slot, const PdfTextFont& font,
               const TrueTypeMetrics& metrics)
{
    std::array<uint16_t, 256> glyphs{};
    std::string widths = "/Widths [ ";
    for (int code = 32; code <= slot.LastChar; ++code) {
        glyphs[code] = font.GlyphOf(slot.Units[code]);
        widths += std::to_string(PdfGlyphWidth(slot.Units[code])) + " ";
    }
    const std::string program = SubsetTrueType(font.Tables(), glyphs);
    const std::string name = "/" + SubsetTag(program) + "+" + font.PostScriptName();
    file.Dictionary(3 * n + 16, {"/BaseFont " + name, "/Type /Font", "/Subtype /TrueType",
                                 "/FirstChar 32", "/LastChar " + std::to_string(slot.LastChar),
                                 widths + "]", "/FontDescriptor " + Reference(3 * n + 17),
                                 "/ToUnicode " + Reference(3 * n + 18)});
    file.Dictionary(3 * n + 17, Descriptor(name, metrics, fontFile));
    const std::string map = ToUnicodeMap(slot);
    file.Stream(3 * n + 18, "<< /Length " + std::to_string(map.size()) + " >>", map);
    const std::string packed = Deflated(program);
    file.Stream(fontFile,
                "<< /Length " + std::to_string(packed.size()) + " /Length1 " +
                    std::to_string(program.size()) + " /Filter /FlateDecode >>",
                packed);
}

}  // namespace

void WritePdfFonts(PdfFile& file, const PdfFontSlots& fontSlots)
{
    const std::vector<TFont>& fonts = fontSlots.Slots();
    if (fonts.empty()) return;
    const PdfTextFont font;
    const TrueTypeMetrics metrics = ReadTrueTypeMetrics(font.Tables());
    const int count = int(fonts.size());
    for (int n = 0; n < count; ++n) WriteSlot(file, n, 3 * count + 16 + n, fonts[n], font, metrics);
}

}  // namespace qv
