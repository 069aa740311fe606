// A record's lines of one row, found by where they lie across.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_rows.h"

namespace qv {

class RowIndex {
public:
    void Build(const std::vector<RowCrossings::Element>& elements,
               const std::vector<int32_t>& positions);

    LineEnds Ends(int32_t element) const { return m_ends[element]; }
    const std::vector<LineEnds>& AllEnds() const { return m_ends; }

    // Calls visit(element) for every element whose ends reach into [low, high].
    template <typename Visit>
    void ForEachNear(int32_t low, int32_t high, Visit visit) const
    {
        auto first = std::lower_bound(
            m_byLow.begin(), m_byLow.end(), low - m_reach,
            [this](int32_t element, int32_t x) { return LowEnd(m_ends[element]) < x; });
        for (auto it = first; it != m_byLow.end() && LowEnd(m_ends[*it]) <= high; ++it)
            if (HighEnd(m_ends[*it]) >= low) visit(*it);
        for (int32_t element : m_longOnes)
            if (LowEnd(m_ends[element]) <= high && HighEnd(m_ends[element]) >= low) visit(element);
    }

private:
    std::vector<LineEnds> m_ends;  // per element
    std::vector<int32_t> m_byLow;  // the short elements, by their left end
    std::vector<int32_t> m_longOnes;
    int32_t m_reach = 0;  // the longest short element
};

}  // namespace qv
