// Writing the sibling list in the format its file name asks for.
#include "tables/sibling_list_output.h"

#include <algorithm>

#include "data/atomic_file.h"
#include "data/data_file.h"
#include "data/error.h"
#include "data/sibling_list_text.h"
#include "data/text_lines.h"
#include "tables/table_html.h"

namespace qv {
namespace {

struct TitledList {
    const char* title;
    const std::vector<SiblingGroup>* list;
};

std::vector<TitledList> TitledLists(const SiblingGroups& groups)
{
    return {{"Vollgeschwister", &groups.Full},
            {"Halbgeschwister - gemeinsamer Vater", &groups.CommonFather},
            {"Halbgeschwister - gemeinsame Mutter", &groups.CommonMother}};
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

bool WriteSiblingList(TAhnenData& data, int64_t proband, const std::string& path,
                      const ProgressCallback& progress)
{
    std::string extension = LowerCaseExtension(path);
    if (extension != ".txt" && extension != ".html" && extension != ".htm")
        throw Error("Die Verschwisterungsliste kann nicht als " + path +
                    " geschrieben werden: unbekanntes Dateiformat (.txt, .html, .htm).");
    SiblingGroups groups = BuildSiblingGroups(data, proband);
    data.SiblingPairCount = groups.GroupCount();
    data.OutputPersonCount = groups.MemberCount();
    bool written = true;
    if (extension == ".txt")
        WriteFileAtomically(path, SiblingListFileBytes(SiblingListLines(data, groups, proband)));
    else
        written = WriteHtml(data, groups, path, progress);
    ReportProgress(progress, "", 0, 100);
    return written;
}

}  // namespace qv
