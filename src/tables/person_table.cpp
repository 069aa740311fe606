// Selected persons' rows, their sort by priorities, and the expanded cells.
#include "tables/person_table.h"

#include <charconv>
#include <map>

#include "app/person_label.h"
#include "calc/required_flags.h"
#include "tables/table_file.h"
#include "tables/table_sort.h"

namespace qv {
namespace {

struct SortMark {
    size_t column;
    int direction;  // 1 "aufsteigend", -1 "absteigend", 0 any other word: no sorting
};

// Priority → the last column that names it; marks without a positive priority are ignored.
std::map<int64_t, SortMark, std::greater<>> SortMarks(const TImageSettings& settings)
{
    std::map<int64_t, SortMark, std::greater<>> marks;
    for (size_t c = 0; c < settings.TableColumns.size(); ++c) {
        const std::string& spec = settings.TableColumns[c].SortSpec;
        size_t blank = spec.find(' ');
        if (blank == std::string::npos) continue;
        int64_t priority = 0;
        const char* end = spec.data() + spec.size();
        auto [stop, error] = std::from_chars(spec.data() + blank + 1, end, priority);
        if (error != std::errc() || stop != end || priority < 1) continue;
        std::string word = spec.substr(0, blank);
        marks[priority] = {c, word == "aufsteigend" ? 1 : word == "absteigend" ? -1 : 0};
    }
    return marks;
}

// Sorting by the lowest priority first and the highest last leaves priority 1 decisive and
// the others as tie-breakers, in falling order.
std::vector<size_t> SortedRows(const std::vector<std::vector<std::string>>& cells,
                               const TImageSettings& settings, size_t rowCount)
{
    std::vector<size_t> order(rowCount);
    for (size_t r = 0; r < rowCount; ++r) order[r] = r;
    for (const auto& [priority, mark] : SortMarks(settings)) {
        if (mark.direction == 0) continue;
        std::vector<CellSortKey> keys;
        for (const std::string& cell : cells[mark.column]) keys.push_back(MakeCellSortKey(cell));
        MergeSortStable(order, [&keys, direction = mark.direction](size_t a, size_t b) {
            return direction * CompareCellKeys(keys[a], keys[b]);
        });
    }
    return order;
}

std::string AllTemplates(const TImageSettings& settings)
{
    std::string text;
    for (const PersonTableColumn& column : settings.TableColumns) text += column.Template + "\r\n";
    return text;
}

}  // namespace

std::optional<TTableData> PersonTableData(TCalcClass& calc, const TImageSettings& settings,
                                          const ProgressCallback& progress)
{
    const TAhnenData& data = calc.Data();
    std::vector<int64_t> persons;
    for (int64_t p = 0; p < static_cast<int64_t>(data.Persons.size()); ++p)
        if (settings.IsSelected(p)) persons.push_back(p);
    // The cells root the engine at the Kekule-1 person; computing there in advance spares a
    // second pass.
    calc.SetProband(settings.GetKekuleOne());
    calc.SetRequired(settings.Selected);
    if (!calc.Calculate(RequiredFlags(AllTemplates(settings)))) return std::nullopt;

    TFootNotes unused;
    std::vector<std::vector<std::string>> cells(settings.TableColumns.size());
    for (size_t c = 0; c < cells.size(); ++c)
        for (int64_t p : persons)
            cells[c].push_back(ExpandPersonLabel(
                data, calc, p, settings, settings.TableColumns[c].Template, false, true, unused));
    ReportProgress(progress, "Sortiere Tabelleneinträge", 0, 100);
    std::vector<size_t> order = SortedRows(cells, settings, persons.size());
    TTableData table(cells.size(), TTableDataCol(persons.size() + 1));
    for (size_t c = 0; c < cells.size(); ++c) {
        table[c][0] = settings.TableColumns[c].Caption;
        for (size_t r = 0; r < order.size(); ++r) table[c][r + 1] = cells[c][order[r]];
    }
    return table;
}

bool BuildPersonTable(TCalcClass& calc, const TImageSettings& settings, const std::string& path,
                      const ProgressCallback& progress)
{
    std::optional<TTableData> table = PersonTableData(calc, settings, progress);
    return table && WriteTableFile(*table, path, true, progress);
}

}  // namespace qv
