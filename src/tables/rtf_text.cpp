// Escaping text for RTF documents.
#include "tables/rtf_text.h"

#include <cstdio>

#include "data/text_encoding.h"

namespace qv {
namespace {

// The readers' fallback for a \uN character: its Windows-1252 byte, or "?".
std::string Fallback(char16_t unit)
{
    std::u16string one(1, unit);
    std::string byte = Windows1252FromUtf8(Utf8FromUtf16(one));
    if (byte.size() != 1 || static_cast<unsigned char>(byte[0]) < 0x80) return "?";
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(byte[0]));
    return hex;
}

// \uN takes a signed 16-bit number; characters beyond U+FFFF go as their surrogate pair.
void AppendUnicode(std::string& out, char16_t unit)
{
    out += "\\u" + std::to_string(static_cast<int16_t>(unit));
    out += (unit >= 0xD800 && unit < 0xE000) ? "?" : Fallback(unit);
}

// One byte of ASCII text, or false when it is no ASCII byte.
bool AppendAscii(std::string& out, char c)
{
    switch (c) {
        case '\\':
            out += "\\\\";
            return true;
        case '{':
            out += "\\{";
            return true;
        case '}':
            out += "\\}";
            return true;
        case '\t':
            out += "\\tab ";
            return true;
        case '\n':
            out += "\\line ";
            return true;
        case '\x0E':
            out += "\\super ";
            return true;
        case '\x0F':
            out += "\\nosupersub ";
            return true;
        default:
            break;
    }
    if (static_cast<unsigned char>(c) >= 0x80) return false;
    // Other control characters have no meaning in a details text.
    if (static_cast<unsigned char>(c) >= 0x20) out += c;
    return true;
}

// The length of the UTF-8 sequence that starts with lead, or 0 when lead cannot start one.
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

std::string RtfEscape(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 4);
    for (size_t i = 0; i < utf8.size();) {
        if (utf8[i] == '\r') {
            out += "\\line ";
            i += (i + 1 < utf8.size() && utf8[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        if (AppendAscii(out, utf8[i])) {
            ++i;
            continue;
        }
        size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        std::u16string units =
            length && i + length <= utf8.size() ? Utf16FromUtf8(utf8.substr(i, length)) : u"";
        if (units.empty()) {
            out += '?';
            ++i;
            continue;
        }
        for (char16_t unit : units) AppendUnicode(out, unit);
        i += length;
    }
    return out;
}

std::string RtfDocument(std::string_view body)
{
    std::string document(kRtfHeader);
    document += body;
    document += '}';
    return document;
}

}  // namespace qv
