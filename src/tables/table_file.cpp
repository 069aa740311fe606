// Dispatch from the file name to the table writer.
#include "tables/table_file.h"

#include "data/atomic_file.h"
#include "data/data_file.h"
#include "data/error.h"
#include "data/text_lines.h"
#include "tables/table_excel.h"
#include "tables/table_html.h"
#include "tables/table_word.h"

namespace qv {
namespace {

bool WriteHtml(const TTableData& table, const std::string& path, bool withDoctype,
               const ProgressCallback& progress)
{
    std::vector<std::string> lines = HtmlPageStart(withDoctype);
    if (!WriteTableHtml(lines, table, true, progress)) return false;
    AppendHtmlPageEnd(lines);
    WriteFileAtomically(path, JoinLinesCrLf(lines));
    return true;
}

bool WriteXlsx(const TTableData& table, const std::string& path, const ProgressCallback& progress)
{
    XlsxWorkbook workbook(path);
    if (!WriteTableExcel(workbook, workbook.AddWorksheet(), table, 0, 0, true, progress))
        return false;
    workbook.Save();
    return true;
}

bool WriteDocx(const TTableData& table, const std::string& path, const ProgressCallback& progress)
{
    WordDocument document;
    if (!WriteTableWord(document, table, true, progress)) return false;
    document.Save(path);
    return true;
}

}  // namespace

bool WriteTableFile(const TTableData& table, const std::string& path, bool withDoctype,
                    const ProgressCallback& progress)
{
    std::string extension = LowerCaseExtension(path);
    bool written = false;
    if (extension == ".html" || extension == ".htm")
        written = WriteHtml(table, path, withDoctype, progress);
    else if (extension == ".xlsx")
        written = WriteXlsx(table, path, progress);
    else if (extension == ".docx")
        written = WriteDocx(table, path, progress);
    else
        throw Error("Die Tabelle kann nicht als " + path +
                    " geschrieben werden: unbekanntes Dateiformat (.html, .htm, .xlsx, .docx).");
    ReportProgress(progress, "", 0, 100);
    return written;
}

}  // namespace qv
