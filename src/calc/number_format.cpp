// Formatting doubles the way every metric text shows them.
#include "calc/number_format.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace qv {
namespace {

std::string Printed(const char* format, int precision, double x)
{
    int length = std::snprintf(nullptr, 0, format, precision, x);
    std::vector<char> buffer(length + 1);
    std::snprintf(buffer.data(), buffer.size(), format, precision, x);
    return std::string(buffer.data(), length);
}

}  // namespace

std::string FormatTruncated(int digits, double x)
{
    if (std::isinf(x)) return "INF";
    if (std::isnan(x)) return "NaN";
    std::string text = Printed("%.*f", 18, x);
    size_t point = text.find('.');
    if (digits < 18) text.resize(point + 1 + digits);
    while (text.back() == '0' && text.find('.') != std::string::npos) text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "0" && x > 0)
        return digits >= 1 ? "<0." + std::string(digits - 1, '0') + "1" : "<1";
    return text;
}

std::string FormatFraction(double x)
{
    if (!std::isfinite(x)) return FormatTruncated(0, x);
    // Doubling is exact for doubles, and every finite double is a dyadic fraction, so the
    // loop ends within about a thousand steps.
    double denominator = 1;
    while (x != std::trunc(x)) {
        x *= 2;
        denominator *= 2;
    }
    if (denominator == 1) return Printed("%.*f", 0, x);
    return Printed("%.*f", 0, x) + "/" + Printed("%.*f", 0, denominator);
}

}  // namespace qv
