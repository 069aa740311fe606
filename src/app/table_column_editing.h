// Editing the metric tables' column definitions as their settings dialogs do.
#pragma once

#include <vector>

#include "app/table_columns.h"

namespace qv {

// One click on a row's sort mark: empty → "aufsteigend n" (n one more than the highest
// other number), "aufsteigend n" → "absteigend n", "absteigend n" → empty, and the higher
// numbers move down by one so they stay 1, 2, 3 …
void CycleSortMark(std::vector<PersonTableColumn>& columns, size_t row);
void ClearSortMarks(std::vector<PersonTableColumn>& columns);

// Moves a row one place up (delta -1) or down (+1); false at either end.
template <typename Column>
bool MoveColumn(std::vector<Column>& columns, size_t row, int delta)
{
    size_t other = row + static_cast<size_t>(delta);
    if (row >= columns.size() || other >= columns.size()) return false;
    std::swap(columns[row], columns[other]);
    return true;
}

}  // namespace qv
