// Values and texts of the gb, gbs, z, b, g'b, g''b family.
#include "calc/path_metrics.h"

#include <cmath>
#include <utility>

#include "calc/number_format.h"

namespace qv {
namespace {

// Longer names first, so "gbs" is not read as "gb" with a suffix "s".
constexpr std::pair<std::string_view, PathBase> kBases[] = {
    {"g''b", PathBase::GDoublePrimeB},
    {"g'b", PathBase::GPrimeB},
    {"gbs", PathBase::Gbs},
    {"gb", PathBase::Gb},
    {"z", PathBase::Z},
    {"b", PathBase::B},
};

constexpr std::pair<std::string_view, PathVariant> kVariants[] = {
    {"", PathVariant::All},  {"(d)", PathVariant::Direct},     {"(s)", PathVariant::Side},
    {"x1", PathVariant::X1}, {"x1(d)", PathVariant::X1Direct}, {"x1(s)", PathVariant::X1Side},
    {"x2", PathVariant::X2}, {"x2(d)", PathVariant::X2Direct}, {"x2(s)", PathVariant::X2Side},
};

std::string SuperscriptList(const CountArray& a)
{
    std::string text;
    for (int64_t g = a.Offset(); g < a.Size(); ++g) {
        if (a[g] <= 0) continue;
        text += std::to_string(g) + '\x0E' + std::to_string(a[g]) + '\x0F';
    }
    return text.empty() ? "NaN" : text;
}

}  // namespace

std::optional<PathMetric> ParsePathMetric(std::string_view name)
{
    for (auto [baseName, base] : kBases) {
        if (!name.starts_with(baseName)) continue;
        std::string_view suffix = name.substr(baseName.size());
        for (auto [variantName, variant] : kVariants)
            if (suffix == variantName) return PathMetric{base, variant};
        return std::nullopt;
    }
    return std::nullopt;
}

double PathMetricReal(PathBase base, const CountArray& a)
{
    switch (base) {
        case PathBase::Gbs: {
            double weighted = 0, total = 0;
            for (int64_t g = a.Offset(); g < a.Size(); ++g) {
                weighted += static_cast<double>(g) * static_cast<double>(a[g]);
                total += static_cast<double>(a[g]);
            }
            return weighted / total;
        }
        case PathBase::B:
            return HalvingSum(a);
        case PathBase::GPrimeB:
            // 0 - log2 rather than -log2, so that b = 1 reads "0" and not "-0".
            return 0.0 - std::log2(HalvingSum(a));
        default:
            return 0.0;
    }
}

std::string PathMetricText(PathBase base, const CountArray& a)
{
    switch (base) {
        case PathBase::Gb:
            return SuperscriptList(a);
        case PathBase::GDoublePrimeB:
            return SuperscriptList(CarryHalves(a));
        case PathBase::Z:
            return std::to_string(CountSum(a));
        case PathBase::B:
            return FormatFraction(PathMetricReal(base, a));
        default:
            return FormatTruncated(2, PathMetricReal(base, a));
    }
}

}  // namespace qv
