// What the batch tool's generations and metrics commands compute for Queen.ged at
// Elizabeth II (I3062, 171 generations of ancestry).
#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "calc/metric_names.h"
#include "shared_file.h"

namespace qv {
namespace {

// Everything but the blood-relationship path counts and F/FW, whose enumeration does not
// finish at this root: the direct and X variants, kmin, fx, c, gc and kekule-min.
std::vector<std::string> FinishingNames()
{
    std::vector<std::string> names{"kekule-min"};
    for (const std::string& name : PersonMetricNames()) {
        bool blood = name.find('x') == std::string::npos && name.find("(d)") == std::string::npos;
        bool pathBased = name != "kmin" && name != "f" && name != "fw" && name != "fx" &&
                         name != "c" && name != "gc";
        if ((blood && pathBased) || name == "f" || name == "fw") continue;
        names.push_back(name);
    }
    return names;
}

void Queen(benchmark::State& state, bool metrics)
{
    const TAhnenData* data = bench::SharedFile("Queen.ged");
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    std::vector<std::string> names = FinishingNames();
    std::string placeholders;
    for (const std::string& name : names) placeholders += "<" + name + ">";
    for (auto _ : state) {
        TCalcClass calc(*data);
        calc.SetProband(data->FindPerson("I3062"));
        if (!metrics) {
            calc.SetRequired({});
            calc.Calculate(0);
            continue;
        }
        calc.Calculate(RequiredFlags(placeholders));
        for (int64_t p = 0; p < calc.PersonCount(); ++p)
            for (const std::string& name : names)
                benchmark::DoNotOptimize(calc.GetValueText(name, p));
    }
    state.counters["names"] = metrics ? static_cast<double>(names.size()) : 24;
}

void BM_QueenGenerations(benchmark::State& state)
{
    Queen(state, false);
}
void BM_QueenMetricsThatFinish(benchmark::State& state)
{
    Queen(state, true);
}

BENCHMARK(BM_QueenGenerations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueenMetricsThatFinish)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
