// "generations": the 24 per-generation values for every generation of a root's pedigree.
#include <iostream>

#include "calc/family_document.h"
#include "calc/metric_names.h"
#include "cli/command.h"
#include "cli/data_source.h"
#include "cli/engine_steps.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/progress_bar.h"

namespace qv::cli {
namespace {

// The generation table's rows: from the deepest descendant generation D down to the highest
// ancestor generation -A, each the largest distance up to 62 with positions in it.
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

void PrintGenerations(const TCalcClass& calc, const std::vector<int64_t>& rows, bool json)
{
    const std::vector<std::string>& names = GenerationMetricNames();
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (int64_t k : rows) {
            nlohmann::ordered_json values = nlohmann::ordered_json::object();
            for (const std::string& name : names) values[name] = calc.GetGenerationText(name, k);
            list.push_back({{"k", k}, {"values", values}});
        }
        PrintOrderedJson(list);
        return;
    }
    for (size_t i = 0; i < names.size(); ++i) std::cout << (i ? "\t" : "") << names[i];
    std::cout << '\n';
    for (int64_t k : rows) {
        for (size_t i = 0; i < names.size(); ++i)
            std::cout << (i ? "\t" : "") << calc.GetGenerationText(names[i], k);
        std::cout << '\n';
    }
}

}  // namespace

int RunGenerations(const std::vector<std::string>& args)
{
    Arguments parsed(args, {kExampleOption, {"--json"}, {"--root", true}});
    InstallInterruptHandler();
    ProgressBar bar;
    FamilyDocument document(LoadData(parsed), bar.Callback());
    int64_t root = ResolveRoot(parsed, document.Data());
    TCalcClass& calc = document.Calc();
    if (!RootEngine(calc, root)) return Interrupted();
    calc.SetRequired({});
    if (!calc.Calculate(0) || InterruptRequested()) return Interrupted();
    PrintGenerations(calc, GenerationRows(calc), parsed.Has("--json"));
    return 0;
}

}  // namespace qv::cli
