// Rooting the engine (smallest Kekule numbers, direct counts, generation tables) on the
// generated 100,000-person population; target: under 0.5 s.
#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "calc/direct_paths.h"
#include "calc/family_graph.h"
#include "data/ahnen_data.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"

namespace qv {
namespace {

const TAhnenData& Generated()
{
    static const TAhnenData data(LoadGedcomBytes(bench::GeneratedGedcom(100'000)), "bench.ged");
    return data;
}

// A root in the last generation: 249 generations of a closed population above it.
void BM_SetProbandGenerated(benchmark::State& state)
{
    const TAhnenData& data = Generated();
    TCalcClass calc(data);
    int64_t last = static_cast<int64_t>(data.Persons.size()) - 1;
    int64_t roots[] = {last, last - 1};
    size_t i = 0;
    for (auto _ : state) calc.SetProband(roots[i++ % 2]);
    state.counters["ancestors"] = static_cast<double>(calc.GetGenerationInt("A'pk(v)", -62));
}

void BM_DirectPathsGenerated(benchmark::State& state)
{
    const TAhnenData& data = Generated();
    FamilyGraph graph(data);
    int32_t root = graph.Size() - 1;
    for (auto _ : state) benchmark::DoNotOptimize(CountDirectPaths(graph, root));
}

void BM_GenerationsCommandGenerated(benchmark::State& state)
{
    const TAhnenData& data = Generated();
    for (auto _ : state) {
        TCalcClass calc(data);
        calc.SetProband(static_cast<int64_t>(data.Persons.size()) - 1);
        calc.SetRequired({});
        calc.Calculate(0);
    }
}

BENCHMARK(BM_SetProbandGenerated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DirectPathsGenerated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerationsCommandGenerated)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
