// The straightforward sorting passes: one whole repack and recount per trial.
#include "charts/tree/ancestor_sorting_reference.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qv {
ReferenceAncestorSorter::ReferenceAncestorSorter(
    const TAhnenData& data, const TArrayOfBoolean& drawn, const AncestorPackingInput& input,
    TArrayOfBoolean& switched, TTetrisVorfahren& packing, ProgressCallback progress)
    : m_drawn(drawn),
      m_input(input),
      m_switched(switched),
      m_packing(packing),
      m_progress(std::move(progress)),
      m_families(CollectSortingFamilies(data, drawn, input.Rows)),
      m_rows(m_families.LineRows)
{
    Repack();
}

void ReferenceAncestorSorter::Repack()
{
    m_packing.Pack(m_input);
    m_across2.resize(m_drawn.size());
    for (const TTetrisVorfahrenNode& node : m_packing.Nodes())
        if (node.Person >= 0) m_across2[node.Person] = 2 * node.Offset;
}

int32_t ReferenceAncestorSorter::Anchor2(const SortingFamilyLines& family) const
{
    if (family.Father >= 0 && family.Mother >= 0)
        return (Across2(family.Father) + Across2(family.Mother)) / 2;
    return Across2(family.Father >= 0 ? family.Father : family.Mother);
}

float ReferenceAncestorSorter::LineLength() const
{
    float cost = 0;
    for (const SortingFamilyLines& family : m_families.Lines) {
        float anchor = float(Anchor2(family)) / 2;
        if (family.Father >= 0 && family.Mother >= 0)
            cost += float(std::abs(Across2(family.Father) - Across2(family.Mother)));
        for (int64_t child : family.Children) cost += std::fabs(float(Across2(child)) / 2 - anchor);
    }
    return cost;
}

int64_t ReferenceAncestorSorter::Crossings()
{
    for (std::vector<LineSegment>& row : m_rows) row.clear();
    for (const SortingFamilyLines& family : m_families.Lines) {
        int32_t anchor = Anchor2(family);
        for (int64_t child : family.Children) {
            int32_t c = Across2(child);
            m_rows[family.LineLevel].push_back({c, anchor});
            for (int32_t j = std::max(m_input.Rows[child], 0); j < family.LineLevel; ++j)
                m_rows[j].push_back({c, c});
        }
    }
    int64_t crossings = 0;
    for (std::vector<LineSegment>& row : m_rows) crossings += SegmentCrossings(row, m_buffer);
    // The rows are sorted by upper end now. Lines ending between a couple cross its marriage line.
    for (const SortingFamilyLines& family : m_families.Lines)
        if (family.Father >= 0 && family.Mother >= 0)
            crossings += CoupleCrossings(m_rows[family.LineLevel], Across2(family.Father),
                                         Across2(family.Mother));
    return crossings;
}

double ReferenceAncestorSorter::Cost(SortingMeasure measure)
{
    switch (measure) {
        case SortingMeasure::LineLength:
            return LineLength();
        case SortingMeasure::Crossings:
            return double(Crossings());
        case SortingMeasure::Width:
            return m_packing.PackedWidth;
    }
    return 0;
}

bool ReferenceAncestorSorter::Pass(SortingMeasure measure, const std::vector<int32_t>& families,
                                   bool& changed)
{
    const double start = Cost(measure);
    const int64_t crossingsBefore = measure == SortingMeasure::Width ? Crossings() : 0;
    const std::string text = SortingPassText(measure, start);
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
        bool wins =
            cost < best && (measure != SortingMeasure::Width || Crossings() <= crossingsBefore);
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

bool ReferenceAncestorSorter::Run(uint8_t sorting)
{
    return RunSortingPasses(m_families, sorting,
                            [this](SortingMeasure measure, const std::vector<int32_t>& families,
                                   bool& changed) { return Pass(measure, families, changed); });
}

}  // namespace qv
