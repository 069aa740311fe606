// The engine as the batch tool's generations and metrics commands use it: Queen.ged at
// Elizabeth II (I3062, 171 generations of ancestry) and a closed population of 200 persons per
// generation over 40 generations; target for the full path-metric set: under 5 s and 10 s.
// A chain of 100,000 fathers with all metrics: seconds. A dense population of 2,000 persons
// per generation: quadratic in its generations.
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

// A chain of fathers, each son with a mother from outside the chain (son i is person i, his
// mother person n + i): the shape on which "c", f and the path counts once grew with the
// square of the length. Target: 100,000 generations in seconds.
TAhnenData FatherChain(int n)
{
    TAhnenData data(2 * int64_t(n), n - 1);
    for (int i = 0; i < n; ++i) {
        data.Persons[i].Id = "I" + std::to_string(i + 1);
        data.Persons[i].Sex = 'M';
        data.Persons[n + i].Id = "W" + std::to_string(i + 1);
        data.Persons[n + i].Sex = 'F';
        if (i + 1 == n) continue;
        data.Families[i].Husband = i + 1;
        data.Families[i].Wife = n + i + 1;
        data.Persons[i].ParentFamily = i;
    }
    data.LinkFamilies();
    return data;
}

void BM_ChainAllMetrics(benchmark::State& state)
{
    const TAhnenData data = FatherChain(static_cast<int>(state.range(0)));
    EveryValue(state, data, 0, AllNames());
}

void BM_ClosedPopulationPathMetrics(benchmark::State& state)
{
    static const TAhnenData data = bench::ClosedPopulation(200, 40);
    EveryValue(state, data, static_cast<int64_t>(data.Persons.size()) - 1, PathMetricNames());
}

// The dense population of the batch tool's large hostile-input runs: 2,000 persons per
// generation, every couple's ancestry nearly the whole population above it. The turning
// weights cost the sum of the parents' ancestries, so the time grows with the square of the
// generations; 50 generations (100,000 persons) take about 25 minutes of processor time,
// shown with progress and cancellable. The argument is the number of generations.
void BM_DensePopulationAllMetrics(benchmark::State& state)
{
    const TAhnenData data = bench::ClosedPopulation(2000, static_cast<int>(state.range(0)));
    EveryValue(state, data, static_cast<int64_t>(data.Persons.size()) - 1, AllNames());
    state.counters["persons"] = static_cast<double>(data.Persons.size());
}

BENCHMARK(BM_QueenGenerations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueenPathMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueenAllMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClosedPopulationPathMetrics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChainAllMetrics)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DensePopulationAllMetrics)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
