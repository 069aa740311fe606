// Each generation name with its value, its text format and the generations it applies to.
#include "calc/generation_values.h"

#include <cstdlib>
#include <vector>

#include "calc/number_format.h"
#include "calc/wrapping.h"

namespace qv {
namespace {

// Ancestor values are "NaN" for descendant generations (k >= 1), their sums over distances
// 1 to a also for generation 0, descendant values for ancestor generations (k < 0).
enum class Side { Ancestor, AncestorSum, Descendant };
enum class Format { Integer, Decimals4, Decimals0 };

using IntegerValue = int64_t (*)(const GenerationTables&, int d);
using RealValue = double (*)(const GenerationTables&, int d);

struct GenerationName {
    const char* name;
    Side side;
    Format format;
    IntegerValue integer;
    RealValue real;
};

double Real(int64_t v)
{
    return static_cast<double>(v);
}

// Sum of entries 1 to d, wrapping.
int64_t SumTo(const GenerationTable& table, int d)
{
    int64_t sum = 0;
    for (int i = 1; i <= d; ++i) sum = WrapAdd(sum, table[i]);
    return sum;
}

int64_t AllPositions(int a)
{
    return WrapSub(WrapPow2(a + 1), 2);
}

double RatioFirstSeen(const GenerationTables& t, int a)
{
    return Real(t.AncestorsFirstSeen[a]) / Real(t.AncestorsPossible[a]);
}

double RatioPositions(const GenerationTables& t, int a)
{
    return Real(t.AncestorPositions[a]) / Real(WrapPow2(a));
}

template <double (*Ratio)(const GenerationTables&, int)>
double SumOfRatios(const GenerationTables& t, int a)
{
    double sum = 0;
    for (int i = 1; i <= a; ++i) sum += Ratio(t, i);
    return sum;
}

using T = const GenerationTables&;

const std::vector<GenerationName>& Names()
{
    static const std::vector<GenerationName> names = {
        {"ik", Side::Ancestor, Format::Decimals4, nullptr,
         [](T t, int a) { return 1 - Real(t.AncestorsPossible[a]) / Real(WrapPow2(a)); }},
        {"iak", Side::Ancestor, Format::Decimals4, nullptr,
         [](T t, int a) { return 1 - EstimatedAncestors(t, a) / Real(WrapPow2(a)); }},
        {"vafk", Side::Ancestor, Format::Decimals4, nullptr, EstimatedShare},
        {"aapk", Side::Ancestor, Format::Decimals0, nullptr, EstimatedAncestors},
        {"Ik", Side::Ancestor, Format::Decimals4, nullptr,
         [](T t, int a) {
             return 1 - Real(SumTo(t.AncestorsPossible, a)) / Real(AllPositions(a));
         }},
        {"atk", Side::Ancestor, Format::Integer, [](T, int a) { return WrapPow2(a); }, nullptr},
        {"apk", Side::Ancestor, Format::Integer, [](T t, int a) { return t.AncestorsPossible[a]; },
         nullptr},
        {"Atk", Side::Ancestor, Format::Integer, [](T, int a) { return AllPositions(a); }, nullptr},
        {"Apk", Side::Ancestor, Format::Integer,
         [](T t, int a) { return SumTo(t.AncestorsPossible, a); }, nullptr},
        {"atk-apk", Side::Ancestor, Format::Integer,
         [](T t, int a) { return WrapSub(WrapPow2(a), t.AncestorsPossible[a]); }, nullptr},
        {"Atk-Apk", Side::Ancestor, Format::Integer,
         [](T t, int a) { return WrapSub(AllPositions(a), SumTo(t.AncestorsPossible, a)); },
         nullptr},
        {"rpk(v)", Side::Ancestor, Format::Decimals4, nullptr, RatioFirstSeen},
        {"Rpk(v)", Side::AncestorSum, Format::Decimals4, nullptr, SumOfRatios<RatioFirstSeen>},
        {"rtk(v)", Side::Ancestor, Format::Decimals4, nullptr, RatioPositions},
        {"Rtk(v)", Side::AncestorSum, Format::Decimals4, nullptr, SumOfRatios<RatioPositions>},
        {"a'tk(v)", Side::Ancestor, Format::Integer,
         [](T t, int a) { return t.AncestorPositions[a]; }, nullptr},
        {"a'pk(v)", Side::Ancestor, Format::Integer,
         [](T t, int a) { return t.AncestorsFirstSeen[a]; }, nullptr},
        {"A'tk(v)", Side::Ancestor, Format::Integer,
         [](T t, int a) { return SumTo(t.AncestorPositions, a); }, nullptr},
        {"A'pk(v)", Side::Ancestor, Format::Integer,
         [](T t, int a) { return SumTo(t.AncestorsFirstSeen, a); }, nullptr},
        {"npk", Side::Descendant, Format::Integer,
         [](T t, int n) { return t.DescendantsFirstSeen[n]; }, nullptr},
        {"ntk", Side::Descendant, Format::Integer,
         [](T t, int n) { return t.DescendantPositions[n]; }, nullptr},
        {"ink", Side::Descendant, Format::Decimals4, nullptr,
         [](T t, int n) {
             return 1 - Real(t.DescendantsFirstSeen[n]) / Real(t.DescendantPositions[n]);
         }},
        {"Ink", Side::Descendant, Format::Decimals4, nullptr,
         [](T t, int n) {
             return 1 -
                    Real(SumTo(t.DescendantsFirstSeen, n)) / Real(SumTo(t.DescendantPositions, n));
         }},
    };
    return names;
}

const GenerationName* Find(const std::string& name)
{
    for (const GenerationName& entry : Names())
        if (name == entry.name) return &entry;
    return nullptr;
}

bool InTables(int64_t k)
{
    return k > -kGenerationTableSize && k < kGenerationTableSize;
}

bool IsNaN(const GenerationName& entry, int64_t k)
{
    switch (entry.side) {
        case Side::Ancestor:
            return k >= 1;
        case Side::AncestorSum:
            return k >= 0;
        default:
            return k < 0;
    }
}

}  // namespace

std::string GenerationText(const GenerationTables& tables, const std::string& name, int64_t k)
{
    if (name == "k") return std::to_string(k);
    const GenerationName* entry = Find(name);
    if (!entry || !InTables(k)) return {};
    if (IsNaN(*entry, k)) return "NaN";
    int d = static_cast<int>(std::llabs(k));
    if (name == "ink" && tables.DescendantPositions[d] <= 0) return "NaN";
    if (name == "Ink" && k == 0) return "0";
    switch (entry->format) {
        case Format::Integer:
            return std::to_string(entry->integer(tables, d));
        case Format::Decimals4:
            return FormatTruncated(4, entry->real(tables, d));
        default:
            return FormatTruncated(0, entry->real(tables, d));
    }
}

int64_t GenerationInt(const GenerationTables& tables, const std::string& name, int64_t k)
{
    if (name == "k") return k;
    const GenerationName* entry = Find(name);
    if (!entry || entry->format != Format::Integer || !InTables(k) || IsNaN(*entry, k)) return 0;
    return entry->integer(tables, static_cast<int>(std::llabs(k)));
}

}  // namespace qv
