// Collecting the families the sorting passes measure and try.
#include "charts/tree/ancestor_sorting_families.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// Per family: somewhere in its ancestry (the family itself included) a father has more than
// one drawn child or a mother at least two.
TArrayOfBoolean FamiliesAboveCollapse(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    enum : uint8_t { kNew, kOpen, kDone };
    std::vector<uint8_t> state(data.Families.size(), kNew);
    TArrayOfBoolean collapse(data.Families.size(), false);
    auto above = [&data](int32_t f) {
        const TFamilie& family = data.Families[f];
        return std::array<int32_t, 2>{
            family.Husband >= 0 ? data.Persons[family.Husband].ParentFamily : -1,
            family.Wife >= 0 ? data.Persons[family.Wife].ParentFamily : -1};
    };
    std::vector<int32_t> stack;
    for (size_t f = 0; f < data.Families.size(); ++f) {
        stack.assign(1, int32_t(f));
        while (!stack.empty()) {
            int32_t g = stack.back();
            if (state[g] == kNew) {
                state[g] = kOpen;
                for (int32_t up : above(g))
                    if (up >= 0 && state[up] == kNew) stack.push_back(up);
                continue;
            }
            stack.pop_back();
            if (state[g] == kDone) continue;
            const TFamilie& family = data.Families[g];
            bool found = (family.Husband >= 0 && ChildrenIn(data, family.Husband, drawn) > 1) ||
                         (family.Wife >= 0 && ChildrenIn(data, family.Wife, drawn) >= 2);
            for (int32_t up : above(g))
                found = found || (up >= 0 && state[up] == kDone && collapse[up]);
            collapse[g] = found;
            state[g] = kDone;
        }
    }
    return collapse;
}

std::vector<int32_t> CollectCandidates(const TAhnenData& data, const TArrayOfBoolean& drawn)
{
    TArrayOfBoolean collapse = FamiliesAboveCollapse(data, drawn);
    TArrayOfBoolean listed(data.Families.size(), false);
    std::vector<int32_t> candidates;
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        int32_t f = data.Persons[p].ParentFamily;
        if (!drawn[p] || f < 0 || listed[f] || !collapse[f]) continue;
        const TFamilie& family = data.Families[f];
        if (family.Husband < 0 || family.Wife < 0) continue;
        if (!drawn[family.Husband] || !drawn[family.Wife]) continue;
        listed[f] = true;
        candidates.push_back(f);
    }
    return candidates;
}

}  // namespace

SortingFamilies CollectSortingFamilies(const TAhnenData& data, const TArrayOfBoolean& drawn,
                                       const std::vector<int32_t>& rows)
{
    SortingFamilies families;
    for (size_t f = 0; f < data.Families.size(); ++f) {
        const TFamilie& family = data.Families[f];
        SortingFamilyLines lines;
        if (family.Husband >= 0 && drawn[family.Husband]) lines.Father = family.Husband;
        if (family.Wife >= 0 && drawn[family.Wife]) lines.Mother = family.Wife;
        if (lines.Father < 0 && lines.Mother < 0) continue;
        if (lines.Father >= 0 && lines.Mother >= 0) families.BothDrawn.push_back(int32_t(f));
        int32_t parentRow = std::min(lines.Father >= 0 ? rows[lines.Father] : INT32_MAX,
                                     lines.Mother >= 0 ? rows[lines.Mother] : INT32_MAX);
        lines.LineLevel = std::max(parentRow - 1, 0);
        families.LineRows = std::max(families.LineRows, lines.LineLevel + 1);
        for (int64_t child : family.Children)
            if (drawn[child]) lines.Children.push_back(child);
        families.Lines.push_back(std::move(lines));
    }
    families.Candidates = CollectCandidates(data, drawn);
    return families;
}

std::string SortingPassText(SortingMeasure measure, double start)
{
    static const char* const kTexts[] = {"Linienlänge minimieren (%.0f)",
                                         "Überschneidungen minimieren (%.0f)",
                                         "Grafikbreite minimieren (%.0f)"};
    char text[96];
    std::snprintf(text, sizeof text, kTexts[int(measure)], start);
    return text;
}

bool RunSortingPasses(const SortingFamilies& families, uint8_t sorting, const SortingPass& pass)
{
    if (families.Candidates.empty() || (sorting != 1 && sorting != 2)) return true;
    const SortingMeasure first =
        sorting == 1 ? SortingMeasure::LineLength : SortingMeasure::Crossings;
    const std::vector<int32_t>& tried = sorting == 1 ? families.BothDrawn : families.Candidates;
    bool changed = true;
    while (changed)
        if (!pass(first, tried, changed)) return false;
    if (sorting == 1) return true;
    changed = true;
    while (changed)
        if (!pass(SortingMeasure::Width, families.BothDrawn, changed)) return false;
    return true;
}

}  // namespace qv
