// The numbers of the frequency diagram: which metric it shows, the normal curve fitted to a
// person's counts per generation, and the persons' colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "data/array_types.h"
#include "render/color.h"

namespace qv {

// The per-generation occurrence metric of DG_VALUE: 0 "gb(d)", 1 "gbx1(d)", 2 "gbx2(d)",
// 3 "gb", 4 "gbx1", 5 "gbx2", 6 "gb(s)", 7 "gbx1(s)", 8 "gbx2(s)"; any other value gives "".
std::string FrequencyValueName(int32_t value);

// The normal density scaled to the number of occurrences: N / (σ·√(2π)) · exp(−((x − μ)/σ)² / 2).
struct NormalCurve {
    double total = 0;      // N = Σ c[j]
    double mean = 0;       // μ = Σ j·c[j] / N
    double deviation = 0;  // σ, with σ² = Σ j²·c[j] / N − μ²

    double At(double x) const;
};

// The curve of counts c[j] per generation j; none when there is no occurrence (N ≤ 0) or all
// lie in one generation (σ = 0), where no curve is defined.
std::optional<NormalCurve> FitNormalCurve(const TArrayOfInt64& counts);

// The colour of person p (1 … count): the hue 360 − (p − 1)·360 div count at full saturation
// and value, converted to RGB in integers (a hue of 360 counts as 0, so one person is red).
TColor DiagramColor(int64_t p, int64_t count);

// x = i / 4 as the curve table writes it: "2", "2.25", "-0.5".
std::string QuarterText(int64_t i);

}  // namespace qv
