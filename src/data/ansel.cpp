// ANSEL mapping table and mark reordering.
#include "data/ansel.h"

#include <array>
#include <cstdlib>
#include <memory>

#include <utf8proc.h>

#include "data/text_encoding.h"

namespace qv {
namespace {

constexpr char16_t kUnmapped = u'?';

// ANSEL bytes 0xA0-0xFF; 0 marks bytes without a character.
constexpr std::array<char16_t, 96> kAnselHigh = {
    0,      0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,  // A0-A7
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,       // A8-AF
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,  // B0-B7
    0x0131, 0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0,  // B8-BF
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0,       // C0-C7
    0,      0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,  // C8-CF
    0,      0,      0,      0,      0,      0,      0,      0,       // D0-D7
    0,      0,      0,      0,      0,      0,      0,      0,       // D8-DF
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // E0-E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,  // E8-EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,  // F0-F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0x0338, 0,      0x0313, 0,       // F8-FF
};

bool IsCombiningMark(uint8_t byte) { return (byte >= 0xE0 && byte <= 0xFC) || byte == 0xFE; }

char16_t MapAnselByte(uint8_t byte)
{
    if (byte < 0x80) return byte;
    if (byte < 0xA0) return kUnmapped;
    char16_t mapped = kAnselHigh[byte - 0xA0];
    return mapped == 0 ? kUnmapped : mapped;
}

// ANSEL writes diacritics before their base letter, Unicode after it: a run of stacked marks
// moves behind the byte that follows it, keeping its order. Marks that end the text stay.
std::string MarksAfterBase(std::string_view bytes)
{
    std::string reordered;
    reordered.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t base = i;
        while (base < bytes.size() && IsCombiningMark(static_cast<uint8_t>(bytes[base]))) ++base;
        if (base == bytes.size()) {
            reordered.append(bytes.substr(i));
            break;
        }
        reordered += bytes[base];
        reordered.append(bytes.substr(i, base - i));
        i = base + 1;
    }
    return reordered;
}

}  // namespace

std::string NormaliseNfc(std::string_view utf8)
{
    utf8proc_uint8_t* composed = nullptr;
    auto length = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(utf8.data()),
                               static_cast<utf8proc_ssize_t>(utf8.size()), &composed,
                               static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE));
    std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owner(composed, &std::free);
    if (length < 0) return std::string(utf8);
    return std::string(reinterpret_cast<const char*>(composed), static_cast<size_t>(length));
}

std::string Utf8FromAnsel(std::string_view bytes)
{
    std::string reordered = MarksAfterBase(bytes);
    std::string utf8;
    utf8.reserve(reordered.size() + reordered.size() / 2);
    for (char c : reordered) AppendUtf8(utf8, MapAnselByte(static_cast<uint8_t>(c)));
    return NormaliseNfc(utf8);
}

}  // namespace qv
