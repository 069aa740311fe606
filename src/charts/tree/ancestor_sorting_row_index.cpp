// Sorting a row's lines by where they start.
#include "charts/tree/ancestor_sorting_row_index.h"

namespace qv {

// The longest tenth of the lines is kept apart, so that a search needs to look back only as far
// as the longest of the others reaches.
void RowIndex::Build(const std::vector<RowCrossings::Element>& elements,
                     const std::vector<int32_t>& positions)
{
    m_ends.resize(elements.size());
    std::vector<int32_t> lengths(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        m_ends[i] = RowCrossings::Ends(elements[i], positions);
        lengths[i] = HighEnd(m_ends[i]) - LowEnd(m_ends[i]);
    }
    m_reach = 0;
    if (!lengths.empty()) {
        auto tenth = lengths.begin() + lengths.size() * 9 / 10;
        std::nth_element(lengths.begin(), tenth, lengths.end());
        m_reach = *tenth;
    }
    m_byLow.clear();
    m_longOnes.clear();
    for (size_t i = 0; i < elements.size(); ++i) {
        const int32_t length = HighEnd(m_ends[i]) - LowEnd(m_ends[i]);
        (length <= m_reach ? m_byLow : m_longOnes).push_back(int32_t(i));
    }
    std::sort(m_byLow.begin(), m_byLow.end(),
              [this](int32_t a, int32_t b) { return LowEnd(m_ends[a]) < LowEnd(m_ends[b]); });
}

}  // namespace qv
