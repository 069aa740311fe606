// Code page tables and UTF-8/UTF-16 transcoding.
#include "data/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace qv {
namespace {

// Windows-1252 0x80-0x9F; the five undefined bytes keep their C1 code points as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// IBM code page 437, 0x80-0xFF.
constexpr std::array<char16_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8,
    0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2,
    0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1,
    0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD,
    0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562,
    0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534,
    0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560,
    0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393,
    0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6,
    0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0,
    0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

char32_t SingleByteToCodePoint(uint8_t byte, SingleByteCodePage codePage)
{
    if (byte < 0x80) return byte;
    switch (codePage) {
    case SingleByteCodePage::Cp437: return kCp437High[byte - 0x80];
    case SingleByteCodePage::Windows1252:
        if (byte < 0xA0) return kWindows1252High[byte - 0x80];
        return byte;
    case SingleByteCodePage::Latin1: return byte;
    }
    return byte;
}

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid sequence starting at text[i], or 0.
size_t ValidSequenceLength(std::string_view text, size_t i)
{
    auto b = [&](size_t k) { return static_cast<uint8_t>(text[i + k]); };
    uint8_t lead = b(0);
    if (lead < 0x80) return 1;
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k)
        if (!IsContinuation(b(k))) return 0;
    if (lead == 0xE0 && b(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && b(1) >= 0xA0) return 0;  // surrogate
    if (lead == 0xF0 && b(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && b(1) >= 0x90) return 0;  // above U+10FFFF
    return length;
}

// The Windows-1252 byte of a UTF-16 unit, or -1 when the code page lacks the character.
int Windows1252Byte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return unit;
    auto high = std::find(kWindows1252High.begin(), kWindows1252High.end(), unit);
    if (high != kWindows1252High.end() && *high >= 0xA0)
        return 0x80 + static_cast<int>(high - kWindows1252High.begin());
    return -1;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Decodes UTF-16 units from get(i), i < count, replacing lone surrogates.
template <typename Get>
std::string DecodeUtf16(size_t count, Get get)
{
    std::string out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        char16_t u = get(i);
        if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(get(i + 1))) {
            char16_t low = get(++i);
            AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace

bool IsAscii(std::string_view text)
{
    // Eight bytes at a time: the reader asks this of every line of large files.
    constexpr uint64_t kHighBits = 0x8080808080808080;
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if (word & kHighBits) return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
    return true;
}

bool IsValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = ValidSequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

size_t Utf8SequenceLength(char lead)
{
    auto byte = static_cast<uint8_t>(lead);
    if (byte < 0x80) return 1;
    if (byte < 0xC2 || byte > 0xF4) return 0;
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
}

size_t CutUtf8TailLength(std::string_view text)
{
    // A character has at most three continuation bytes after its lead byte.
    size_t lead = text.size();
    while (lead > 0 && text.size() - lead < 3 &&
           IsContinuation(static_cast<uint8_t>(text[lead - 1])))
        --lead;
    if (lead == 0) return 0;
    --lead;
    size_t present = text.size() - lead;
    if (Utf8SequenceLength(text[lead]) <= present) return 0;
    if (present == 1) return 1;
    // The second byte decides about overlong forms, surrogates and code points past U+10FFFF.
    auto first = static_cast<uint8_t>(text[lead]), second = static_cast<uint8_t>(text[lead + 1]);
    bool fits = !(first == 0xE0 && second < 0xA0) && !(first == 0xED && second >= 0xA0) &&
                !(first == 0xF0 && second < 0x90) && !(first == 0xF4 && second >= 0x90);
    return fits ? present : 0;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8FromSingleByte(std::string_view bytes, SingleByteCodePage codePage)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) AppendUtf8(out, SingleByteToCodePoint(static_cast<uint8_t>(c), codePage));
    return out;
}

std::string Windows1252FromUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : Utf16FromUtf8(text)) {
        if (IsLowSurrogate(unit)) continue;  // one "?" per character beyond the BMP
        int byte = Windows1252Byte(unit);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

bool FitsWindows1252(std::string_view text)
{
    std::u16string units = Utf16FromUtf8(text);
    return std::all_of(units.begin(), units.end(),
                       [](char16_t unit) { return Windows1252Byte(unit) >= 0; });
}

std::string Utf8FromUtf16Bytes(std::string_view bytes, bool bigEndian)
{
    auto unit = [&](size_t i) {
        auto hi = static_cast<uint8_t>(bytes[2 * i + (bigEndian ? 0 : 1)]);
        auto lo = static_cast<uint8_t>(bytes[2 * i + (bigEndian ? 1 : 0)]);
        return static_cast<char16_t>((hi << 8) | lo);
    };
    return DecodeUtf16(bytes.size() / 2, unit);
}

std::string Utf8FromUtf16(std::u16string_view text)
{
    return DecodeUtf16(text.size(), [&](size_t i) { return text[i]; });
}

std::u16string Utf16FromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = ValidSequenceLength(text, i);
        if (length == 0) return {};
        char32_t c = static_cast<uint8_t>(text[i]);
        if (length > 1) c &= 0x7F >> length;
        for (size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<uint8_t>(text[i + k]) & 0x3F);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += length;
    }
    return out;
}

}  // namespace qv
