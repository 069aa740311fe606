// The number texts of the metrics: truncated decimals and dyadic fractions.
#pragma once

#include <string>

namespace qv {

// x with at most digits decimals, truncated, trailing zeros removed; "INF", "NaN"; a
// positive value that would print as "0" becomes "<0.01" (2 digits) or "<1" (0 digits).
// Cutting follows rounding to twelve significant digits, so 1 - 0.8 prints as "0.2".
std::string FormatTruncated(int digits, double x);
// An integral x as an integer, otherwise numerator "/" power-of-two denominator: 0.375 → "3/8".
std::string FormatFraction(double x);

}  // namespace qv
