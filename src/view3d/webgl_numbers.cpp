// Literals through std::to_chars, which never looks at the locale.
#include "view3d/webgl_numbers.h"

#include <array>
#include <charconv>

#include "calc/number_format.h"

namespace qv {
namespace {

std::string Hex(unsigned value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

}  // namespace

std::string CoordinateText(float value)
{
    std::string text = FormatTruncated(2, value);
    // The metric texts show tiny positive values as "<0.01"; a script needs a number.
    return text.starts_with("<") ? "0" : text;
}

std::string FixedText(double value, int decimals)
{
    std::array<char, 400> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string GeneralText(long double value)
{
    std::array<char, 64> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

std::string ScriptStringLiteral(std::string_view text)
{
    std::string literal = "'";
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\'' || c == '\\') {
            literal += '\\';
            literal += char(c);
        } else if (c == '\n') {
            literal += "\\n";
        } else if (c == '\r') {
            literal += "\\r";
        } else if (c < 0x20 || c == 0x7F || c == '<' || c == '>') {
            // "<" and ">" as escapes keep "</script>" and "<!--" out of the script element.
            literal += "\\x" + Hex(c, 2);
        } else if (c == 0xE2 && text.substr(i + 1, 1) == "\x80" && i + 2 < text.size() &&
                   (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
            // U+2028 and U+2029 end a line in older script engines.
            literal += "\\u" + Hex(text[i + 2] == '\xA8' ? 0x2028 : 0x2029, 4);
            i += 2;
        } else {
            literal += char(c);
        }
    }
    return literal + "'";
}

}  // namespace qv
