// The crossings of the ancestor chart's lines, row by row: which lines a row holds and how many
// pairs of them cross, as the crossing passes count them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "charts/tree/ancestor_sorting_families.h"

namespace qv {

// A line's two ends across, doubled: a segment's lower and upper end, or a couple's partners.
using LineEnds = std::pair<int32_t, int32_t>;

inline int32_t LowEnd(LineEnds ends)
{
    return std::min(ends.first, ends.second);
}

inline int32_t HighEnd(LineEnds ends)
{
    return std::max(ends.first, ends.second);
}

// A child's line in a row: its lower and its upper end across, doubled.
struct LineSegment {
    int32_t Lower;
    int32_t Upper;
};

// Pairs of segments whose ends lie in opposite orders; leaves the segments sorted by upper end.
int64_t SegmentCrossings(std::vector<LineSegment>& segments, std::vector<LineSegment>& buffer);
// Segments (sorted by upper end) whose upper end lies strictly between a couple's partners,
// other than at the couple's anchor: they cross the marriage line.
int64_t CoupleCrossings(const std::vector<LineSegment>& byUpper, int32_t first, int32_t second);

class RowCrossings {
public:
    // A line in a row: a segment of a child's line (its parents give its upper end; both -1
    // where the line passes the row on its way up) or, with Child -1, a couple's marriage line.
    struct Element {
        int32_t Child = -1;
        int32_t Father = -1, Mother = -1;
    };

    // rows: the row of every person.
    RowCrossings(const SortingFamilies& families, const std::vector<int32_t>& rows);

    int32_t RowCount() const { return int32_t(m_elements.size()); }
    size_t PersonCount() const { return m_rowsOf.size(); }
    const std::vector<Element>& Elements(int32_t row) const { return m_elements[row]; }
    // The rows whose elements depend on the person's position.
    const std::vector<int32_t>& RowsOf(int32_t person) const { return m_rowsOf[person]; }

    static LineEnds Ends(const Element& element, const std::vector<int32_t>& positions);
    // Whether two elements of a row cross: segments whose ends swap order, or a segment whose
    // upper end lies strictly between a couple other than at the couple's anchor. Elements
    // whose ends lie apart never cross.
    static int32_t Cross(const Element& a, LineEnds aEnds, const Element& b, LineEnds bEnds)
    {
        return Cross(a.Child < 0, aEnds, b.Child < 0, bEnds);
    }
    // The same for elements known only by whether they are couples.
    static int32_t Cross(bool aCouple, LineEnds aEnds, bool bCouple, LineEnds bEnds)
    {
        if (aCouple && bCouple) return 0;
        if (aCouple || bCouple) {
            const LineEnds couple = aCouple ? aEnds : bEnds;
            const int32_t upper = aCouple ? bEnds.second : aEnds.second;
            const int32_t lo = LowEnd(couple), hi = HighEnd(couple);
            if (hi - lo < 2) return 0;
            return lo < upper && upper < hi && upper != (couple.first + couple.second) / 2;
        }
        return (bEnds.first < aEnds.first && bEnds.second > aEnds.second) ||
               (bEnds.first > aEnds.first && bEnds.second < aEnds.second);
    }
    // Pairs of crossing elements.
    int64_t Count(int32_t row, const std::vector<int32_t>& positions) const;

private:
    std::vector<std::vector<Element>> m_elements;  // per row
    std::vector<std::vector<int32_t>> m_rowsOf;    // per person
};

}  // namespace qv
