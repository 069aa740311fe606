// Number and colour texts of the SVG and PDF writers, and reading numbers back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "render/color.h"

namespace qv {

// Fixed point with at most `decimals` decimals and "." as separator, trailing zeros and a
// trailing point removed: 12.5 -> "12.5", 3 -> "3", 0.0004 -> "0"; infinity "INF", not a
// number "NaN". A value that rounds to zero is "0", never "-0". Independent of the locale.
std::string RealText(double value, int decimals = 3);

// "#RRGGBB" in upper case, or "#RGB" when every channel's two digits are equal.
std::string ColorText(TColor color);

// Reads the number at text[pos] after skipping blanks: an optional "-" or ".", then digits and
// points. Advances pos past it. Throws Error naming the number text when it cannot be read
// (a lone "-", nothing at all, "1.2.3", pos past the end) and the context it came from.
double ReadPathNumber(std::string_view text, size_t& pos, std::string_view context);

}  // namespace qv
