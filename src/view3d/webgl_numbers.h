// Number and string literals of the WebGL page, independent of the user's locale.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// A scene coordinate (single precision, as stored) cut, not rounded, to two decimals, trailing
// zeros and point removed: 12.349 → "12.34", 0.004 → "0", -0.004 → "-0".
std::string CoordinateText(float value);
// printf's "%.Nf" with "." as decimal separator.
std::string FixedText(double value, int decimals);
// printf's "%.15g": 15 significant digits, trailing zeros dropped.
std::string GeneralText(long double value);
// A JavaScript string between apostrophes that stays one valid literal on one line inside a
// script element, whatever the UTF-8 text holds (apostrophes, backslashes, line breaks,
// "</script>").
std::string ScriptStringLiteral(std::string_view text);

}  // namespace qv
