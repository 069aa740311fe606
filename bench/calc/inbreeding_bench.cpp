// The inbreeding coefficients of every person of a dense population (2,000 persons per
// generation), side by side: FW from the turning weights, couple by couple through both
// parents' ancestries, and from the kinship sweep the engine now uses; and the exact path
// counts between all parents that F is made of. The argument is the number of generations.
#include <benchmark/benchmark.h>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/kinship_sweep.h"
#include "calc/turn_weights.h"
#include "calc/walk_guard.h"
#include "closed_population.h"

namespace qv {
namespace {

constexpr int kWidth = 2000;

struct Population {
    explicit Population(int generations)
        : data(bench::ClosedPopulation(kWidth, generations)), graph(data), blood(graph, false)
    {
    }
    TAhnenData data;
    FamilyGraph graph;
    FamilyLinks blood;
};

template <typename Arithmetic>
void EnsureAll(const FamilyLinks& links, bool ownWeights)
{
    TurnWeights<Arithmetic> weights(links, ownWeights, true);
    WalkGuard never;
    for (int32_t p = 0; p < links.Size(); ++p) weights.Ensure(p, never);
    benchmark::DoNotOptimize(weights.ParentPaths(links.Size() - 1));
}

void BM_FwTurningWeights(benchmark::State& state)
{
    Population population(static_cast<int>(state.range(0)));
    for (auto _ : state) EnsureAll<HalvedSums>(population.blood, true);
    state.counters["persons"] = population.graph.Size();
}

void BM_FwSweep(benchmark::State& state)
{
    Population population(static_cast<int>(state.range(0)));
    WalkGuard never;
    for (auto _ : state) {
        SweptCoefficients swept;
        benchmark::DoNotOptimize(SweepCoefficients(population.blood, never, swept));
    }
    state.counters["persons"] = population.graph.Size();
}

void BM_ParentPathCounts(benchmark::State& state)
{
    Population population(static_cast<int>(state.range(0)));
    for (auto _ : state) EnsureAll<ExactCounts>(population.blood, false);
    state.counters["persons"] = population.graph.Size();
}

BENCHMARK(BM_FwTurningWeights)->Arg(10)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FwSweep)->Arg(10)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParentPathCounts)->Arg(10)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
