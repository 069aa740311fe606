// The engine as the batch tool's generations and metrics commands use it: Queen.ged at
// Elizabeth II (I3062, 171 generations of ancestry) and a closed population of 200 persons per
// generation over 40 generations; target for the full path-metric set: under 5 s and 10 s.
#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "calc/metric_names.h"
#include "closed_population.h"
#include "shared_file.h"

namespace qv {
namespace {

// All gb, gbx1 and gbx2 families with f, fw and fx: everything made of path counts.
std::vector<std::string> PathMetricNames()
{
    std::vector<std::string> names;
    for (const std::string& name : PersonMetricNames())
        if (name != "kmin" && name != "c" && name != "gc") names.push_back(name);
    return names;
}

// The metrics command's default: all 60 names and "kekule-min".
std::vector<std::string> AllNames()
{
    std::vector<std::string> names = PersonMetricNames();
    names.push_back("kekule-min");
    return names;
}

// A fresh engine each time: root, Calculate with the names' flags, every value as text.
void EveryValue(benchmark::State& state, const TAhnenData& data, int64_t root,
                const std::vector<std::string>& names)
{
    std::string placeholders;
    for (const std::string& name : names) placeholders += "<" + name + ">";
    for (auto _ : state) {
        TCalcClass calc(data);
        calc.SetProband(root);
        calc.Calculate(RequiredFlags(placeholders));
        for (int64_t p = 0; p < calc.PersonCount(); ++p)
            for (const std::string& name : names)
                benchmark::DoNotOptimize(calc.GetValueText(name, p));
    }
    state.counters["names"] = static_cast<double>(names.size());
}

void OnQueen(benchmark::State& state, const std::vector<std::string>& names)
{
    const TAhnenData* data = bench::SharedFile("Queen.ged");
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    EveryValue(state, *data, data->FindPerson("I3062"), names);
}

void BM_QueenGenerations(benchmark::State& state)
{
    const TAhnenData* data = bench::SharedFile("Queen.ged");
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    for (auto _ : state) {
        TCalcClass calc(*data);
        calc.SetProband(data->FindPerson("I3062"));
        calc.SetRequired({});
        calc.Calculate(0);
    }
}

void BM_QueenPathMetrics(benchmark::State& state)
{
    OnQueen(state, PathMetricNames());
}
void BM_QueenAllMetrics(benchmark::State& state)
{
    OnQueen(state, AllNames());
}

void BM_ClosedPopulationPathMetrics(benchmark::State& state)
{
    static const TAhnenData data = bench::ClosedPopulation(200, 40);
    EveryValue(state, data, static_cast<int64_t>(data.Persons.size()) - 1, PathMetricNames());
}

BENCHMARK(BM_QueenGenerations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueenPathMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueenAllMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClosedPopulationPathMetrics)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
