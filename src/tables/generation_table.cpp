// Generation rows and their expanded cells.
#include "tables/generation_table.h"

#include "app/generation_label.h"
#include "data/ahnen_data.h"
#include "data/text_lines.h"
#include "tables/table_file.h"

namespace qv {

std::vector<int64_t> GenerationRows(const TCalcClass& calc)
{
    int64_t ancestors = 0, descendants = 0;
    for (int64_t i = 0; i <= kMaxKekuleGeneration; ++i) {
        if (calc.GetGenerationInt("a'tk(v)", -i) > 0) ancestors = i;
        if (calc.GetGenerationInt("ntk", i) > 0) descendants = i;
    }
    std::vector<int64_t> rows;
    for (int64_t k = descendants; k >= -ancestors; --k) rows.push_back(k);
    return rows;
}

std::optional<TTableData> GenerationTableData(TCalcClass& calc, const TImageSettings& settings)
{
    calc.SetProband(settings.ProbandIndex);
    calc.SetRequired({});
    if (!calc.Calculate(0)) return std::nullopt;
    std::vector<int64_t> rows = GenerationRows(calc);
    TTableData table(settings.GenTableColumns.size(), TTableDataCol(rows.size() + 1));
    for (size_t c = 0; c < table.size(); ++c) {
        const GenerationTableColumn& column = settings.GenTableColumns[c];
        table[c][0] = column.Caption;
        std::vector<std::string> lines = SplitLines(column.Template);
        for (size_t r = 0; r < rows.size(); ++r) {
            std::vector<std::string> expanded = ExpandGenerationLabel(rows[r], lines, calc);
            std::string text = JoinLinesCrLf(expanded);
            table[c][r + 1] = std::string(TrimBlanks(text));
        }
    }
    return table;
}

bool BuildGenerationTable(TCalcClass& calc, const TImageSettings& settings, const std::string& path,
                          const ProgressCallback& progress)
{
    std::optional<TTableData> table = GenerationTableData(calc, settings);
    return table && WriteTableFile(*table, path, false, progress);
}

}  // namespace qv
