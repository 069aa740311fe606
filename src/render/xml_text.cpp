// Escaping text for XML.
#include "render/xml_text.h"

#include "data/text_encoding.h"

namespace qv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence a lead byte announces; 1 for ASCII and stray bytes.
size_t AnnouncedLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t Decode(std::string_view sequence)
{
    auto byte = [&](size_t i) { return char32_t(static_cast<unsigned char>(sequence[i])); };
    switch (sequence.size()) {
        case 1:
            return byte(0);
        case 2:
            return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
        case 3:
            return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
        default:
            return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
                   (byte(3) & 0x3F);
    }
}

bool AllowedInXml(char32_t c, bool lineBreaks)
{
    if (c == '\t') return true;
    if (c == '\n' || c == '\r') return lineBreaks;
    if (c < 0x20) return false;
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

}  // namespace

void AppendXmlCharacter(std::string& out, char32_t codePoint, XmlTextOptions options)
{
    if (!AllowedInXml(codePoint, options.lineBreaks)) return;
    switch (codePoint) {
        case '&':
            out += "&amp;";
            return;
        case '<':
            out += "&lt;";
            return;
        case '>':
            out += "&gt;";
            return;
        case '"':
            out += options.quotes ? "&quot;" : "\"";
            return;
    }
    AppendUtf8(out, codePoint);
}

void AppendXmlText(std::string& out, std::string_view text, XmlTextOptions options)
{
    out.reserve(out.size() + text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = AnnouncedLength(static_cast<unsigned char>(text[i]));
        std::string_view sequence = text.substr(i, length);
        if (sequence.size() == length && IsValidUtf8(sequence)) {
            AppendXmlCharacter(out, Decode(sequence), options);
            i += length;
        } else {
            AppendXmlCharacter(out, kReplacement, options);
            ++i;
        }
    }
}

}  // namespace qv
