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
#include "tables/generation_table.h"

namespace qv::cli {
namespace {

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
