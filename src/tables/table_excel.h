// Writing a table into a spreadsheet worksheet.
#pragma once

#include <cstdint>
#include <string>

#include "data/progress.h"
#include "tables/table_data.h"
#include "tables/xlsx_workbook.h"

namespace qv {

// Column letters of a zero-based index: 0 "A", 25 "Z", 26 "AA", 701 "ZZ", 702 "AAA".
std::string ExcelColumnName(int64_t column);

// Fills the worksheet from row rowOffset and column columnOffset (zero-based). With a header:
// bold captions over a bottom border, numbers as numbers in the general format, everything
// else as text with its superscripts, the header row frozen. Without: every cell as text.
// Columns are sized to their contents, aligned left, and all but the last have a right
// border. Reports progress per cell; false as soon as the callback asks to cancel.
bool WriteTableExcel(XlsxWorkbook& workbook, lxw_worksheet* sheet, const TTableData& table,
                     int rowOffset, int columnOffset, bool header,
                     const ProgressCallback& progress = {});

}  // namespace qv
