// Sorting a row's lines by where they start.
#include "charts/tree/ancestor_sorting_row_index.h"

#include <algorithm>

namespace qv {

void AddEndWindows(bool couple, std::initializer_list<LineEnds> positions,
                   std::vector<RowWindow>& windows)
{
    RowWindow first, second;
    for (LineEnds at : positions) {
        first = {std::min(first.Low, at.first), std::max(first.High, at.first)};
        second = {std::min(second.Low, at.second), std::max(second.High, at.second)};
    }
    if (couple) {
        windows.push_back({std::min(first.Low, second.Low), std::max(first.High, second.High)});
    } else {
        windows.push_back(first);
        windows.push_back(second);
    }
}

void MergeWindows(std::vector<RowWindow>& windows)
{
    std::sort(windows.begin(), windows.end(),
              [](const RowWindow& a, const RowWindow& b) { return a.Low < b.Low; });
    size_t merged = 0;
    for (const RowWindow& window : windows) {
        if (merged > 0 && window.Low <= windows[merged - 1].High)
            windows[merged - 1].High = std::max(windows[merged - 1].High, window.High);
        else
            windows[merged++] = window;
    }
    windows.resize(merged);
}

// The longest tenth of the lines is kept apart, so that a search needs to look back only as far
// as the longest of the others reaches; both lists end a search at the first line beyond it.
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
    m_short.clear();
    m_long.clear();
    for (size_t i = 0; i < elements.size(); ++i) {
        const Span span{LowEnd(m_ends[i]), HighEnd(m_ends[i]), int32_t(i)};
        (span.High - span.Low <= m_reach ? m_short : m_long).push_back(span);
    }
    for (std::vector<Span>* spans : {&m_short, &m_long})
        std::sort(spans->begin(), spans->end(),
                  [](const Span& a, const Span& b) { return a.Low < b.Low; });
}

}  // namespace qv
