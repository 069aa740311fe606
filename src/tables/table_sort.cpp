// Folded comparison on UTF-8 and a merge sort that does not depend on a consistent order.
#include "tables/table_sort.h"

#include "tables/table_cells.h"

namespace qv {
namespace {

// Base letters of U+00C0 to U+00FF; 0 for characters that stay (×, ß, ÷, þ, ÿ …).
constexpr char kFolded[64 + 1] =
    "AAAAAAACEEEEIIIIDNOOOOO\0OUUUUY\0\0aaaaaaaceeeeiiiidnooooo\0ouuuuy\0\0";

bool IsUmlaut(unsigned char lead, unsigned char second)
{
    if (lead != 0xC3) return false;
    return second == 0x84 || second == 0x96 || second == 0x9C || second == 0xA4 || second == 0xB6 ||
           second == 0xBC;
}

int Sign(int value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

}  // namespace

CellSortKey MakeCellSortKey(std::string_view cell)
{
    CellSortKey key;
    key.isNumber = ParseCellNumber(cell, key.number);
    key.folded.reserve(cell.size());
    for (size_t i = 0; i < cell.size(); ++i) {
        auto lead = static_cast<unsigned char>(cell[i]);
        auto second = i + 1 < cell.size() ? static_cast<unsigned char>(cell[i + 1]) : 0;
        if ((lead & 0xC0) == 0x80) {  // continuation byte: not a character of its own
            key.folded += cell[i];
            continue;
        }
        key.umlaut.push_back(IsUmlaut(lead, second));
        if (lead == 0xC3 && second >= 0x80 && second <= 0xBF && kFolded[second - 0x80] != 0) {
            key.folded += kFolded[second - 0x80];
            ++i;
        } else {
            key.folded += cell[i];
        }
    }
    return key;
}

int CompareCellKeys(const CellSortKey& a, const CellSortKey& b)
{
    if (a.isNumber && b.isNumber) return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    if (int folded = Sign(a.folded.compare(b.folded)); folded != 0) return folded;
    size_t common = std::min(a.umlaut.size(), b.umlaut.size());
    for (size_t i = 0; i < common; ++i)
        if (a.umlaut[i] != b.umlaut[i]) return a.umlaut[i] ? 1 : -1;
    return 0;
}

int CompareFolded(std::string_view a, std::string_view b)
{
    CellSortKey x = MakeCellSortKey(a), y = MakeCellSortKey(b);
    x.isNumber = y.isNumber = false;
    return CompareCellKeys(x, y);
}

int CompareCells(std::string_view a, std::string_view b)
{
    return CompareCellKeys(MakeCellSortKey(a), MakeCellSortKey(b));
}

namespace {

// Sorts items[low..high] (inclusive); the depth is the logarithm of the row count.
void MergeSortRange(std::vector<size_t>& items, std::vector<size_t>& buffer, size_t low,
                    size_t high, const std::function<int(size_t, size_t)>& compare)
{
    if (low >= high) return;
    size_t middle = low + (high - low) / 2;
    MergeSortRange(items, buffer, low, middle, compare);
    MergeSortRange(items, buffer, middle + 1, high, compare);
    size_t left = low, right = middle + 1, out = low;
    while (left <= middle && right <= high)
        buffer[out++] = compare(items[left], items[right]) <= 0 ? items[left++] : items[right++];
    while (left <= middle) buffer[out++] = items[left++];
    while (right <= high) buffer[out++] = items[right++];
    std::copy(buffer.begin() + low, buffer.begin() + high + 1, items.begin() + low);
}

}  // namespace

void MergeSortStable(std::vector<size_t>& items, const std::function<int(size_t, size_t)>& compare)
{
    if (items.size() < 2) return;
    std::vector<size_t> buffer(items.size());
    MergeSortRange(items, buffer, 0, items.size() - 1, compare);
}

}  // namespace qv
