// Writing the sibling list in the format its file name asks for.
#include "tables/sibling_list_output.h"

#include <algorithm>

#include "data/atomic_file.h"
#include "data/data_file.h"
#include "data/error.h"
#include "data/sibling_list_text.h"
#include "data/text_lines.h"
#include "tables/table_excel.h"
#include "tables/table_html.h"
#include "tables/table_word.h"

namespace qv {
namespace {

struct TitledList {
    const char* title;
    const char* sheetName;
    const std::vector<SiblingGroup>* list;
};

std::vector<TitledList> TitledLists(const SiblingGroups& groups)
{
    return {
        {"Vollgeschwister", "Vollgeschwister", &groups.Full},
        {"Halbgeschwister - gemeinsamer Vater", "Halbgeschwister - Vater", &groups.CommonFather},
        {"Halbgeschwister - gemeinsame Mutter", "Halbgeschwister - Mutter", &groups.CommonMother}};
}

bool WriteHtml(const TAhnenData& data, const SiblingGroups& groups, const std::string& path,
               const ProgressCallback& progress)
{
    std::vector<std::string> lines = HtmlPageStart(true);
    for (const TitledList& titled : TitledLists(groups)) {
        if (titled.list->empty()) continue;
        lines.push_back(std::string("<h3>") + titled.title + "</h3>");
        if (!WriteTableHtml(lines, SiblingGroupTable(data, *titled.list), false, progress))
            return false;
    }
    AppendHtmlPageEnd(lines);
    WriteFileAtomically(path, JoinLinesCrLf(lines));
    return true;
}

// One sheet per list; a list's table starts in the third column, its title in A1.
bool WriteXlsx(const TAhnenData& data, const SiblingGroups& groups, const std::string& path,
               const ProgressCallback& progress)
{
    XlsxWorkbook workbook(path);
    XlsxStyle bold;
    bold.bold = true;
    for (const TitledList& titled : TitledLists(groups)) {
        lxw_worksheet* sheet = workbook.AddWorksheet(titled.sheetName);
        if (titled.list->empty()) continue;
        TTableData table = SiblingGroupTable(data, *titled.list);
        if (!WriteTableExcel(workbook, sheet, table, 0, 2, false, progress)) return false;
        worksheet_write_string(sheet, 0, 0, titled.title, workbook.Format(bold));
    }
    workbook.Save();
    return true;
}

bool WriteDocx(const TAhnenData& data, const SiblingGroups& groups, const std::string& path,
               const ProgressCallback& progress)
{
    WordDocument document;
    for (const TitledList& titled : TitledLists(groups)) {
        if (titled.list->empty()) continue;
        document.AddParagraph(titled.title, 14, true);
        document.AddParagraph("");
        if (!WriteTableWord(document, SiblingGroupTable(data, *titled.list), false, progress))
            return false;
    }
    document.Save(path);
    return true;
}

const std::vector<std::string> kExtensions = {".txt", ".html", ".htm", ".xlsx", ".docx"};

}  // namespace

TTableData SiblingGroupTable(const TAhnenData& data, const std::vector<SiblingGroup>& list)
{
    size_t largest = 0;
    for (const SiblingGroup& group : list) largest = std::max(largest, group.size());
    TTableData table(list.size(), TTableDataCol(2 * largest));
    for (size_t c = 0; c < list.size(); ++c) {
        for (size_t j = 0; j < list[c].size(); ++j) {
            table[c][j] = std::to_string(list[c][j].Number);
            table[c][largest + j] = data.Persons[list[c][j].Person].Surname;
        }
    }
    return table;
}

std::optional<OutputCounts> WriteSiblingList(const TAhnenData& data, int64_t proband,
                                             const std::string& path,
                                             const ProgressCallback& progress, bool* depthCut)
{
    std::string extension = LowerCaseExtension(path);
    if (std::find(kExtensions.begin(), kExtensions.end(), extension) == kExtensions.end())
        throw Error("Die Verschwisterungsliste kann nicht als " + path +
                    " geschrieben werden: unbekanntes Dateiformat (.txt, .html, .htm, .xlsx, "
                    ".docx).");
    SiblingGroups groups = BuildSiblingGroups(data, proband, depthCut);
    bool written = true;
    if (extension == ".txt")
        WriteFileAtomically(path, SiblingListFileBytes(SiblingListLines(data, groups, proband)));
    else if (extension == ".xlsx")
        written = WriteXlsx(data, groups, path, progress);
    else if (extension == ".docx")
        written = WriteDocx(data, groups, path, progress);
    else
        written = WriteHtml(data, groups, path, progress);
    ReportProgress(progress, "", 0, 100);
    if (!written) return std::nullopt;
    return OutputCounts{groups.MemberCount(), groups.GroupCount()};
}

}  // namespace qv
