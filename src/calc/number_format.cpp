// Formatting doubles the way every metric text shows them.
#include "calc/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace qv {
namespace {

// Fixed-point with the given decimals; large enough for any finite double.
std::string Printed(double x, int decimals)
{
    std::array<char, 400> buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

// The decimals to round x to before it is cut: those of its twelfth significant digit, which
// absorbs the representation error of values such as 1 - 0.8 (0.19999…, which would otherwise be
// cut to 0.1999). Where that digit does not lie beyond the cut, x is only cut.
int RoundingDecimals(int digits, double x)
{
    constexpr int kSignificantDigits = 12;
    constexpr int kFullDecimals = 18;
    if (x == 0) return kFullDecimals;
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    int decimals = kSignificantDigits - 1 - exponent;
    return decimals > digits ? decimals : kFullDecimals;
}

}  // namespace

std::string FormatTruncated(int digits, double x)
{
    if (std::isinf(x)) return "INF";
    if (std::isnan(x)) return "NaN";
    std::string text = Printed(x, RoundingDecimals(digits, x));
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
    if (denominator == 1) return Printed(x, 0);
    return Printed(x, 0) + "/" + Printed(denominator, 0);
}

}  // namespace qv
