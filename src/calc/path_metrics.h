// The path-count metrics of one person: names, source arrays and their values and texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/count_array.h"

namespace qv {

enum class PathBase { Gb, Gbs, Z, B, GPrimeB, GDoublePrimeB };

// Which count array a name reads: all paths, direct lines ("(d)"), side lines ("(s)", all
// minus direct), and the same three for X-chromosome paths through the root's father (x1)
// and mother (x2).
enum class PathVariant { All, Direct, Side, X1, X1Direct, X1Side, X2, X2Direct, X2Side };

struct PathMetric {
    PathBase base;
    PathVariant variant;
};

// "gbsx1(d)" → {Gbs, X1Direct}; nothing for other names.
std::optional<PathMetric> ParsePathMetric(std::string_view name);

// "gbs", "b", "g'b" as numbers (NaN, infinity where the text says "NaN", "INF").
double PathMetricReal(PathBase base, const CountArray& a);
// The text of any base; "gb" and "g''b" list g, U+000E, a[g], U+000F for each positive entry.
std::string PathMetricText(PathBase base, const CountArray& a);

}  // namespace qv
