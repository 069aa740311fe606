// Sorting passes of the ancestor chart: one repack per trial, measured on positions across.
#include "charts/tree/ancestor_sorting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "charts/tree/person_sets.h"

namespace qv {
namespace {

// Pairs i < j with values[i] > values[j], counted while sorting values (merge sort).
template <typename T, typename Less>
int64_t CountInversions(std::vector<T>& values, std::vector<T>& buffer, Less less)
{
    int64_t inversions = 0;
    const size_t n = values.size();
    buffer.resize(n);
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi) {
                if (less(values[j], values[i])) {
                    inversions += int64_t(mid - i);
                    buffer[k++] = values[j++];
                } else {
                    buffer[k++] = values[i++];
                }
            }
            while (i < mid) buffer[k++] = values[i++];
            while (j < hi) buffer[k++] = values[j++];
        }
        std::swap(values, buffer);
    }
    return inversions;
}

std::string PassText(const char* format, double cost)
{
    char text[96];
    std::snprintf(text, sizeof text, format, cost);
    return text;
}

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

}  // namespace

AncestorSorter::AncestorSorter(const TAhnenData& data, const TArrayOfBoolean& drawn,
                               const AncestorPackingInput& input, TArrayOfBoolean& switched,
                               TTetrisVorfahren& packing, ProgressCallback progress)
    : m_data(data),
      m_drawn(drawn),
      m_input(input),
      m_switched(switched),
      m_packing(packing),
      m_progress(std::move(progress))
{
    CollectFamilies();
    CollectCandidates();
    Repack();
}

// Parents' families of drawn persons, both parents drawn, with pedigree collapse above them,
// in the order of the persons.
void AncestorSorter::CollectCandidates()
{
    const TAhnenData& data = m_data;
    TArrayOfBoolean collapse = FamiliesAboveCollapse(data, m_drawn);
    TArrayOfBoolean listed(data.Families.size(), false);
    for (size_t p = 0; p < data.Persons.size(); ++p) {
        int32_t f = data.Persons[p].ParentFamily;
        if (!m_drawn[p] || f < 0 || listed[f] || !collapse[f]) continue;
        const TFamilie& family = data.Families[f];
        if (family.Husband < 0 || family.Wife < 0) continue;
        if (!m_drawn[family.Husband] || !m_drawn[family.Wife]) continue;
        listed[f] = true;
        m_candidates.push_back(f);
    }
}

void AncestorSorter::CollectFamilies()
{
    const TAhnenData& data = m_data;
    int32_t rows = 0;
    for (size_t f = 0; f < data.Families.size(); ++f) {
        const TFamilie& family = data.Families[f];
        FamilyLines lines;
        if (family.Husband >= 0 && m_drawn[family.Husband]) lines.Father = family.Husband;
        if (family.Wife >= 0 && m_drawn[family.Wife]) lines.Mother = family.Wife;
        if (lines.Father < 0 && lines.Mother < 0) continue;
        if (lines.Father >= 0 && lines.Mother >= 0) m_bothDrawn.push_back(int32_t(f));
        int32_t parentRow = std::min(lines.Father >= 0 ? m_input.Rows[lines.Father] : INT32_MAX,
                                     lines.Mother >= 0 ? m_input.Rows[lines.Mother] : INT32_MAX);
        lines.LineLevel = std::max(parentRow - 1, 0);
        rows = std::max(rows, lines.LineLevel + 1);
        for (int64_t child : family.Children)
            if (m_drawn[child]) lines.Children.push_back(child);
        m_families.push_back(std::move(lines));
    }
    m_rows.resize(rows);
}

void AncestorSorter::Repack()
{
    m_packing.Pack(m_input);
    m_across2.resize(m_drawn.size());
    for (const TTetrisVorfahrenNode& node : m_packing.Nodes())
        if (node.Person >= 0) m_across2[node.Person] = 2 * node.Offset;
}

int32_t AncestorSorter::Anchor2(const FamilyLines& family) const
{
    if (family.Father >= 0 && family.Mother >= 0)
        return (Across2(family.Father) + Across2(family.Mother)) / 2;
    return Across2(family.Father >= 0 ? family.Father : family.Mother);
}

float AncestorSorter::LineLength() const
{
    float cost = 0;
    for (const FamilyLines& family : m_families) {
        float anchor = float(Anchor2(family)) / 2;
        if (family.Father >= 0 && family.Mother >= 0)
            cost += float(std::abs(Across2(family.Father) - Across2(family.Mother)));
        for (int64_t child : family.Children) cost += std::fabs(float(Across2(child)) / 2 - anchor);
    }
    return cost;
}

int64_t AncestorSorter::Crossings()
{
    for (std::vector<Segment>& row : m_rows) row.clear();
    for (const FamilyLines& family : m_families) {
        int32_t anchor = Anchor2(family);
        for (int64_t child : family.Children) {
            int32_t c = Across2(child);
            m_rows[family.LineLevel].push_back({c, anchor});
            for (int32_t j = std::max(m_input.Rows[child], 0); j < family.LineLevel; ++j)
                m_rows[j].push_back({c, c});
        }
    }
    int64_t crossings = 0;
    for (std::vector<Segment>& row : m_rows) {
        std::sort(row.begin(), row.end(), [](const Segment& a, const Segment& b) {
            return a.Lower != b.Lower ? a.Lower < b.Lower : a.Upper < b.Upper;
        });
        // Leaves the row sorted by upper end, as the count between parents wants it.
        crossings += CountInversions(row, m_mergeBuffer, [](const Segment& a, const Segment& b) {
            return a.Upper < b.Upper;
        });
    }
    return crossings + CrossingsBetweenParents();
}

// Lines whose upper end lies strictly between a couple (other than at the couple's own anchor)
// cross the couple's marriage line.
int64_t AncestorSorter::CrossingsBetweenParents() const
{
    auto below = [](const Segment& s, int32_t x) { return s.Upper < x; };
    auto above = [](int32_t x, const Segment& s) { return x < s.Upper; };
    int64_t crossings = 0;
    for (const FamilyLines& family : m_families) {
        if (family.Father < 0 || family.Mother < 0) continue;
        const std::vector<Segment>& row = m_rows[family.LineLevel];
        int32_t lo = std::min(Across2(family.Father), Across2(family.Mother));
        int32_t hi = std::max(Across2(family.Father), Across2(family.Mother));
        if (hi - lo < 2) continue;
        auto first = std::upper_bound(row.begin(), row.end(), lo, above);
        auto last = std::lower_bound(first, row.end(), hi, below);
        const int32_t anchor = Anchor2(family);
        auto atAnchor = std::lower_bound(first, last, anchor, below);
        auto pastAnchor = std::upper_bound(atAnchor, last, anchor, above);
        crossings += (last - first) - (pastAnchor - atAnchor);
    }
    return crossings;
}

double AncestorSorter::Cost(Measure measure)
{
    switch (measure) {
        case Measure::LineLength:
            return LineLength();
        case Measure::Crossings:
            return double(Crossings());
        case Measure::Width:
            return m_packing.PackedWidth;
    }
    return 0;
}

bool AncestorSorter::Pass(Measure measure, const std::vector<int32_t>& families, bool& changed)
{
    static const char* const kTexts[] = {"Linienlänge minimieren (%.0f)",
                                         "Überschneidungen minimieren (%.0f)",
                                         "Grafikbreite minimieren (%.0f)"};
    const double start = Cost(measure);
    const int64_t crossingsBefore = measure == Measure::Width ? Crossings() : 0;
    const std::string text = PassText(kTexts[int(measure)], start);
    TArrayOfBoolean orderMatters(m_switched.size(), false);
    for (int32_t f : families) orderMatters[f] = m_packing.OrderMatters(f);
    double best = start;
    int32_t bestFamily = -1;
    for (size_t i = 0; i < families.size(); ++i) {
        if (ReportProgress(m_progress, text, int64_t(i), int64_t(families.size()))) return false;
        const int32_t f = families[i];
        // A switch that cannot change the packing cannot win either.
        if (!orderMatters[f]) continue;
        m_switched[f] = !m_switched[f];
        Repack();
        double cost = Cost(measure);
        bool wins = cost < best && (measure != Measure::Width || Crossings() <= crossingsBefore);
        m_switched[f] = !m_switched[f];
        if (wins) {
            best = cost;
            bestFamily = f;
        }
    }
    if (bestFamily >= 0) m_switched[bestFamily] = !m_switched[bestFamily];
    Repack();
    changed = bestFamily >= 0;
    return true;
}

bool AncestorSorter::Run(uint8_t sorting)
{
    if (m_candidates.empty() || (sorting != 1 && sorting != 2)) return true;
    bool changed = true;
    while (changed)
        if (!Pass(sorting == 1 ? Measure::LineLength : Measure::Crossings,
                  sorting == 1 ? m_bothDrawn : m_candidates, changed))
            return false;
    if (sorting == 1) return true;
    changed = true;
    while (changed)
        if (!Pass(Measure::Width, m_bothDrawn, changed)) return false;
    return true;
}

}  // namespace qv
