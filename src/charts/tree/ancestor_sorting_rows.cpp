// Counting a row's crossings.
#include "charts/tree/ancestor_sorting_rows.h"

#include <algorithm>

namespace qv {
namespace {

// Pairs i < j with values[i].Upper > values[j].Upper, counted while sorting values by their
// upper ends (merge sort).
int64_t CountUpperInversions(std::vector<LineSegment>& values, std::vector<LineSegment>& buffer)
{
    int64_t inversions = 0;
    const size_t n = values.size();
    buffer.resize(n);
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi) {
                if (values[j].Upper < values[i].Upper) {
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

}  // namespace

int64_t SegmentCrossings(std::vector<LineSegment>& segments, std::vector<LineSegment>& buffer)
{
    std::sort(segments.begin(), segments.end(), [](const LineSegment& a, const LineSegment& b) {
        return a.Lower != b.Lower ? a.Lower < b.Lower : a.Upper < b.Upper;
    });
    return CountUpperInversions(segments, buffer);
}

int64_t CoupleCrossings(const std::vector<LineSegment>& byUpper, int32_t first, int32_t second)
{
    auto below = [](const LineSegment& s, int32_t x) { return s.Upper < x; };
    auto above = [](int32_t x, const LineSegment& s) { return x < s.Upper; };
    const int32_t lo = std::min(first, second), hi = std::max(first, second);
    if (hi - lo < 2) return 0;
    auto begin = std::upper_bound(byUpper.begin(), byUpper.end(), lo, above);
    auto end = std::lower_bound(begin, byUpper.end(), hi, below);
    const int32_t anchor = (first + second) / 2;
    auto atAnchor = std::lower_bound(begin, end, anchor, below);
    auto pastAnchor = std::upper_bound(atAnchor, end, anchor, above);
    return (end - begin) - (pastAnchor - atAnchor);
}

RowCrossings::RowCrossings(const SortingFamilies& families, const std::vector<int32_t>& rows)
    : m_elements(families.LineRows), m_rowsOf(rows.size())
{
    for (const SortingFamilyLines& line : families.Lines) {
        const int32_t father = int32_t(line.Father), mother = int32_t(line.Mother);
        if (father >= 0 && mother >= 0) m_elements[line.LineLevel].push_back({-1, father, mother});
        for (int64_t child : line.Children) {
            m_elements[line.LineLevel].push_back({int32_t(child), father, mother});
            for (int32_t row = std::max(rows[child], 0); row < line.LineLevel; ++row)
                m_elements[row].push_back({int32_t(child), -1, -1});
        }
    }
    for (int32_t row = 0; row < RowCount(); ++row)
        for (const Element& e : m_elements[row])
            for (int32_t person : {e.Child, e.Father, e.Mother})
                if (person >= 0) m_rowsOf[person].push_back(row);
    for (std::vector<int32_t>& list : m_rowsOf)
        list.erase(std::unique(list.begin(), list.end()), list.end());
}

LineEnds RowCrossings::Ends(const Element& e, const std::vector<int32_t>& positions)
{
    if (e.Child < 0) return {2 * positions[e.Father], 2 * positions[e.Mother]};
    const int32_t lower = 2 * positions[e.Child];
    if (e.Father < 0 && e.Mother < 0) return {lower, lower};
    if (e.Father >= 0 && e.Mother >= 0)
        return {lower, (2 * positions[e.Father] + 2 * positions[e.Mother]) / 2};
    return {lower, 2 * positions[e.Father >= 0 ? e.Father : e.Mother]};
}

int64_t RowCrossings::Count(int32_t row, const std::vector<int32_t>& positions) const
{
    thread_local std::vector<LineSegment> segments, buffer;
    segments.clear();
    for (const Element& e : m_elements[row]) {
        if (e.Child < 0) continue;
        auto [lower, upper] = Ends(e, positions);
        segments.push_back({lower, upper});
    }
    int64_t crossings = SegmentCrossings(segments, buffer);
    for (const Element& e : m_elements[row])
        if (e.Child < 0)
            crossings +=
                CoupleCrossings(segments, 2 * positions[e.Father], 2 * positions[e.Mother]);
    return crossings;
}

}  // namespace qv
