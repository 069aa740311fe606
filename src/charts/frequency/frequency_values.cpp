// Metric names, the curve fit and the hue wheel of the frequency diagram.
#include "charts/frequency/frequency_values.h"

#include <array>
#include <cmath>
#include <numbers>

namespace qv {

std::string FrequencyValueName(int32_t value)
{
    static constexpr std::array<const char*, 9> kNames = {
        "gb(d)", "gbx1(d)", "gbx2(d)", "gb", "gbx1", "gbx2", "gb(s)", "gbx1(s)", "gbx2(s)"};
    if (value < 0 || value >= static_cast<int32_t>(kNames.size())) return {};
    return kNames[static_cast<size_t>(value)];
}

double NormalCurve::At(double x) const
{
    const double z = (x - mean) / deviation;
    return total / (deviation * std::sqrt(2 * std::numbers::pi)) * std::exp(-z * z / 2);
}

// The variance is summed about the mean: equal to Σ j²·c[j] / N − μ² in exact arithmetic, but
// exactly 0 when all counts lie in one generation, where the difference of the two large sums
// could leave a tiny positive rest and a spike instead of no curve.
std::optional<NormalCurve> FitNormalCurve(const TArrayOfInt64& counts)
{
    NormalCurve curve;
    double weighted = 0;
    for (size_t j = 0; j < counts.size(); ++j) {
        curve.total += static_cast<double>(counts[j]);
        weighted += static_cast<double>(j) * static_cast<double>(counts[j]);
    }
    if (!(curve.total > 0)) return std::nullopt;
    curve.mean = weighted / curve.total;
    double squares = 0;
    for (size_t j = 0; j < counts.size(); ++j) {
        const double d = static_cast<double>(j) - curve.mean;
        squares += d * d * static_cast<double>(counts[j]);
    }
    const double variance = squares / curve.total;
    if (!(variance > 0) || !std::isfinite(variance)) return std::nullopt;
    curve.deviation = std::sqrt(variance);
    return curve;
}

TColor DiagramColor(int64_t p, int64_t count)
{
    constexpr int64_t s = 255, v = 255;
    int64_t h = 360 - (p - 1) * 360 / count;
    if (h == 360) h = 0;
    const int64_t f = h % 60;
    const auto p0 = static_cast<uint8_t>(v - s * v / 255);
    const auto q = static_cast<uint8_t>(v - s * v * f / 15300);
    const auto t = static_cast<uint8_t>(v - s * v * (60 - f) / 15300);
    const auto full = static_cast<uint8_t>(v);
    switch (h / 60) {
        case 0:
            return RgbColor(full, t, p0);
        case 1:
            return RgbColor(q, full, p0);
        case 2:
            return RgbColor(p0, full, t);
        case 3:
            return RgbColor(p0, q, full);
        case 4:
            return RgbColor(t, p0, full);
        default:
            return RgbColor(full, p0, q);
    }
}

std::string QuarterText(int64_t i)
{
    static constexpr std::array<const char*, 4> kFractions = {"", ".25", ".5", ".75"};
    const bool negative = i < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(i) : static_cast<uint64_t>(i);
    return (negative ? "-" : "") + std::to_string(magnitude / 4) + kFractions[magnitude % 4];
}

}  // namespace qv
