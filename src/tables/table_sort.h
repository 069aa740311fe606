// Ordering table cells: numbers by value, texts with accents folded, and the stable sort.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// UTF-8 texts compared byte by byte after folding the accented letters À…Ý and à…ý
// (Latin-1) to their base letters; on a tie, at the first character where exactly one text
// has one of Ä Ö Ü ä ö ü, that text sorts after the other. -1, 0 or 1.
int CompareFolded(std::string_view a, std::string_view b);

// Two numbers (ParseCellNumber) by value, anything else by CompareFolded. -1, 0 or 1.
int CompareCells(std::string_view a, std::string_view b);

// A cell prepared once for many comparisons: the same answers as CompareCells.
struct CellSortKey {
    bool isNumber = false;
    double number = 0;
    std::string folded;
    std::vector<bool> umlaut;  // per character of the unfolded text
};
CellSortKey MakeCellSortKey(std::string_view cell);
int CompareCellKeys(const CellSortKey& a, const CellSortKey& b);

// Top-down merge sort that takes the left element when compare(left, right) <= 0, so equal
// elements keep their order, and the result is defined for any comparison.
void MergeSortStable(std::vector<size_t>& items, const std::function<int(size_t, size_t)>& compare);

}  // namespace qv
