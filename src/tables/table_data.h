// TTableData: a table of UTF-8 cell texts, column by column, as the table writers take it.
#pragma once

#include <string>
#include <vector>

namespace qv {

// Cell [c][r] is row r of column c; with a header, row 0 holds the captions. A superscript run
// inside a cell is enclosed in the characters 0x0E and 0x0F. All columns have the same length.
using TTableDataCol = std::vector<std::string>;
using TTableData = std::vector<TTableDataCol>;

constexpr char kSuperscriptOn = '\x0E';
constexpr char kSuperscriptOff = '\x0F';

// Rows of the table (those of its first column).
inline size_t TableRowCount(const TTableData& table)
{
    return table.empty() ? 0 : table.front().size();
}

}  // namespace qv
