// The per-person values by name: the engine's text, integer, real and array accessors.
#include <cmath>

#include "calc/calc_class.h"
#include "calc/number_format.h"

namespace qv {

CountArray TCalcClass::VariantCounts(PathVariant variant, int64_t person)
{
    switch (variant) {
        case PathVariant::All:
            return Counts(person, Group::Paths);
        case PathVariant::Direct:
            return DirectOf(person);
        case PathVariant::Side:
            return SubtractCounts(Counts(person, Group::Paths), DirectOf(person));
        case PathVariant::X1:
            return Counts(person, Group::PathsX1);
        case PathVariant::X1Direct:
            return Counts(person, Group::DirectX1);
        case PathVariant::X1Side:
            return SubtractCounts(Counts(person, Group::PathsX1), Counts(person, Group::DirectX1));
        case PathVariant::X2:
            return Counts(person, Group::PathsX2);
        case PathVariant::X2Direct:
            return Counts(person, Group::DirectX2);
        default:
            return SubtractCounts(Counts(person, Group::PathsX2), Counts(person, Group::DirectX2));
    }
}

int64_t TCalcClass::Kmin(int64_t person)
{
    const CountArray& up = Counts(person, Group::DirectUp);
    for (int64_t g = up.Offset(); g < up.Size(); ++g)
        if (up[g] > 0) return -g;
    const CountArray& down = Counts(person, Group::DirectDown);
    for (int64_t g = down.Offset(); g < down.Size(); ++g)
        if (down[g] > 0) return g;
    return kNoKmin;
}

std::string TCalcClass::GetValueText(const std::string& name, int64_t person)
{
    if (auto metric = ParsePathMetric(name))
        return PathMetricText(metric->base, VariantCounts(metric->variant, person));
    if (name == "kmin") {
        int64_t k = Kmin(person);
        return k == kNoKmin ? std::string() : std::to_string(k);
    }
    if (name == "kekule-min") {
        int64_t n = GetKekuleMin(person);
        return n == 0 ? std::string() : std::to_string(n);
    }
    if (name == "f" || name == "fw" || name == "fx")
        return FormatTruncated(4, GetValueReal(name, person));
    if (name == "c") return FormatFraction(GetC(person));
    if (name == "gc") return FormatTruncated(2, GetValueReal(name, person));
    return {};
}

int64_t TCalcClass::GetValueInt(const std::string& name, int64_t person)
{
    if (auto metric = ParsePathMetric(name); metric && metric->base == PathBase::Z)
        return CountSum(VariantCounts(metric->variant, person));
    if (name == "kmin") return Kmin(person);
    if (name == "kekule-min") return GetKekuleMin(person);
    return 0;
}

double TCalcClass::GetValueReal(const std::string& name, int64_t person)
{
    if (auto metric = ParsePathMetric(name)) {
        bool real = metric->base == PathBase::Gbs || metric->base == PathBase::B ||
                    metric->base == PathBase::GPrimeB;
        return real ? PathMetricReal(metric->base, VariantCounts(metric->variant, person)) : 0.0;
    }
    if (name == "f") return GetF(person);
    if (name == "fw") return GetFW(person);
    if (name == "fx") return GetFX(person);
    if (name == "c") return GetC(person);
    // 0 - log2 so that c = 1 reads "0", not "-0".
    if (name == "gc") return 0.0 - std::log2(GetC(person));
    return 0.0;
}

TArrayOfInt64 TCalcClass::GetValueArray(const std::string& name, int64_t person)
{
    if (auto metric = ParsePathMetric(name)) {
        if (metric->base == PathBase::Gb) return VariantCounts(metric->variant, person).ToArray();
        if (metric->base == PathBase::GDoublePrimeB)
            return CarryHalves(VariantCounts(metric->variant, person)).ToArray();
        return {};
    }
    if (name == "kekule") return GetKekuleNumbers(person);
    if (name == "kekulex") return GetKekuleXNumbers(person);
    return {};
}

}  // namespace qv
