// A record's lines of one row, found by where they lie across.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "charts/tree/ancestor_sorting_rows.h"

namespace qv {

// A stretch across a row, [Low, High]; empty as constructed.
struct RowWindow {
    int32_t Low = INT32_MAX, High = INT32_MIN;
};

// Appends where a line's ends lie over the given positions of it: a segment's two ends apart, a
// couple's partners together (whether two lines cross depends on these).
void AddEndWindows(bool couple, std::initializer_list<LineEnds> positions,
                   std::vector<RowWindow>& windows);
// Sorts the windows and merges those that overlap.
void MergeWindows(std::vector<RowWindow>& windows);

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
        auto first = std::lower_bound(m_short.begin(), m_short.end(), low - m_reach,
                                      [](const Span& span, int32_t x) { return span.Low < x; });
        for (auto it = first; it != m_short.end() && it->Low <= high; ++it)
            if (it->High >= low) visit(it->Element);
        for (auto it = m_long.begin(); it != m_long.end() && it->Low <= high; ++it)
            if (it->High >= low) visit(it->Element);
    }

    // The same for windows sorted and apart: one walk through the lines, calling visit at
    // least once for every element that reaches into one of them.
    template <typename Windows, typename Visit>
    void ForEachNear(const Windows& windows, Visit visit) const
    {
        if (windows.empty()) return;
        auto from = m_short.begin();
        for (const auto& window : windows) {
            from = std::lower_bound(from, m_short.end(), window.Low - m_reach,
                                    [](const Span& span, int32_t x) { return span.Low < x; });
            // A line passed over here ends before this window and so before the next ones.
            for (; from != m_short.end() && from->Low <= window.High; ++from)
                if (from->High >= window.Low) visit(from->Element);
        }
        const int32_t last = windows.back().High;
        for (auto it = m_long.begin(); it != m_long.end() && it->Low <= last; ++it) {
            auto next = std::lower_bound(windows.begin(), windows.end(), it->Low,
                                         [](const auto& w, int32_t x) { return w.High < x; });
            if (next != windows.end() && next->Low <= it->High) visit(it->Element);
        }
    }

private:
    // An element's extent across, kept beside its number so that a search reads one array.
    struct Span {
        int32_t Low, High;
        int32_t Element;
    };

    std::vector<LineEnds> m_ends;  // per element
    // By their left ends: the short elements, and the long ones apart.
    std::vector<Span> m_short, m_long;
    int32_t m_reach = 0;  // the longest short element
};

}  // namespace qv
