// Locale-independent number texts.
#include "render/svg_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "data/error.h"

namespace qv {

std::string RealText(double value, int decimals)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") return "0";
    return text;
}

std::string ColorText(TColor color)
{
    color = ColorToRgb(color);
    int channels[3] = {ColorRed(color), ColorGreen(color), ColorBlue(color)};
    bool pairs = true;
    for (int c : channels) pairs = pairs && (c >> 4) == (c & 0xF);
    char buffer[8];
    if (pairs)
        std::snprintf(buffer, sizeof buffer, "#%X%X%X", channels[0] & 0xF, channels[1] & 0xF,
                      channels[2] & 0xF);
    else
        std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", channels[0], channels[1],
                      channels[2]);
    return buffer;
}

double ReadPathNumber(std::string_view text, size_t& pos, std::string_view context)
{
    // Callers step over a separator without looking; past the end there is no number.
    pos = std::min(pos, text.size());
    while (pos < text.size() && text[pos] == ' ') ++pos;
    size_t start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '.')) ++pos;
    while (pos < text.size() && ((text[pos] >= '0' && text[pos] <= '9') || text[pos] == '.')) ++pos;
    std::string_view number = text.substr(start, pos - start);
    double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || result.ec != std::errc() || result.ptr != number.data() + number.size())
        throw Error("\"" + std::string(number) + "\" ist keine gültige Zahl in \"" +
                    std::string(context) + "\".");
    return value;
}

}  // namespace qv
