// Cells, rich strings, column widths and the frozen header of a worksheet.
#include "tables/table_excel.h"

#include <algorithm>
#include <vector>

#include "data/error.h"
#include "tables/table_cells.h"
#include "tables/table_html.h"

namespace qv {
namespace {

// Excel shows line breaks within a cell as LF.
std::string CellLines(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

void WriteTextCell(XlsxWorkbook& workbook, lxw_worksheet* sheet, int row, int column,
                   const std::string& cell, XlsxStyle style)
{
    std::vector<TextRun> runs = SuperscriptRuns(cell);
    if (runs.empty()) {
        worksheet_write_blank(sheet, row, column, workbook.Format(style));
        return;
    }
    style.wrap = cell.find('\n') != std::string::npos;
    if (runs.size() == 1) {
        style.superscript = runs[0].Superscript;
        worksheet_write_string(sheet, row, column, CellLines(runs[0].Text).c_str(),
                               workbook.Format(style));
        return;
    }
    XlsxStyle raised;
    raised.superscript = true;
    std::vector<std::string> texts;
    for (const TextRun& run : runs) texts.push_back(CellLines(run.Text));
    std::vector<lxw_rich_string_tuple> fragments(runs.size());
    std::vector<lxw_rich_string_tuple*> list;
    for (size_t i = 0; i < runs.size(); ++i) {
        fragments[i] = {runs[i].Superscript ? workbook.Format(raised) : nullptr, texts[i].data()};
        list.push_back(&fragments[i]);
    }
    list.push_back(nullptr);
    worksheet_write_rich_string(sheet, row, column, list.data(), workbook.Format(style));
}

void WriteDataCell(XlsxWorkbook& workbook, lxw_worksheet* sheet, int row, int column,
                   const std::string& cell, XlsxStyle style)
{
    double number = 0;
    if (!style.text && ParseCellNumber(cell, number) && !ExceedsSpreadsheetPrecision(cell)) {
        worksheet_write_number(sheet, row, column, number, workbook.Format(style));
        return;
    }
    WriteTextCell(workbook, sheet, row, column, cell, style);
}

double ColumnWidth(const TTableDataCol& column, bool header)
{
    size_t longest = 0;
    for (size_t r = 0; r < column.size(); ++r)
        longest = std::max(longest, LongestLineLength(column[r]) + (header && r == 0 ? 1 : 0));
    return std::min(255.0, 1.1 * static_cast<double>(longest) + 2);
}

}  // namespace

std::string ExcelColumnName(int64_t column)
{
    std::string name;
    for (int64_t n = column; n >= 0; n = n / 26 - 1) name.insert(name.begin(), char('A' + n % 26));
    return name;
}

bool WriteTableExcel(XlsxWorkbook& workbook, lxw_worksheet* sheet, const TTableData& table,
                     int rowOffset, int columnOffset, bool header, const ProgressCallback& progress)
{
    const int columns = static_cast<int>(table.size());
    const int rows = static_cast<int>(TableRowCount(table));
    if (columnOffset + columns > LXW_COL_MAX || rowOffset + rows > LXW_ROW_MAX)
        throw Error("Die Tabelle ist mit " + std::to_string(columns) + " Spalten und " +
                    std::to_string(rows) + " Zeilen zu groß für ein Tabellenblatt.");
    for (int c = 0; c < columns; ++c) {
        XlsxStyle style;
        style.rightBorder = c + 1 < columns;
        style.text = !header;
        int column = columnOffset + c;
        for (int r = 0; r < rows; ++r) {
            if (header && r == 0) {
                XlsxStyle caption = style;
                caption.bold = caption.bottomBorder = true;
                WriteTextCell(workbook, sheet, rowOffset, column, table[c][0], caption);
                continue;
            }
            if (ReportProgress(progress, kWritingTableText, r + c * rows, rows * columns))
                return false;
            WriteDataCell(workbook, sheet, rowOffset + r, column, table[c][r], style);
        }
        worksheet_set_column(sheet, column, column, ColumnWidth(table[c], header),
                             workbook.Format(style));
    }
    if (header) {
        worksheet_activate(sheet);
        worksheet_set_selection(sheet, rowOffset + 1, columnOffset, rowOffset + 1, columnOffset);
        worksheet_freeze_panes(sheet, rowOffset + 1, columnOffset);
    }
    return true;
}

}  // namespace qv
