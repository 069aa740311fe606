// The founder share "c" of every person of a dense population (2,000 persons per generation,
// rooted at its last person), side by side: walking each person's ancestry, and the sums of
// all persons at once that the engine uses. The argument is the number of generations; the
// walk grows with the square of the population, the sums with the population times the
// founders.
#include <benchmark/benchmark.h>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"
#include "calc/founder_share.h"
#include "calc/walk_guard.h"
#include "closed_population.h"

namespace qv {
namespace {

constexpr int kWidth = 2000;

struct Rooted {
    explicit Rooted(int generations)
        : data(bench::ClosedPopulation(kWidth, generations)), graph(data), results(graph.Size())
    {
        std::vector<CountArray> up = CountDirectUp(graph, graph.Size() - 1);
        for (int32_t p = 0; p < graph.Size(); ++p) results[p].DirectUp = std::move(up[p]);
    }
    TAhnenData data;
    FamilyGraph graph;
    std::vector<TPersonResult> results;
};

void BM_FounderShareWalked(benchmark::State& state)
{
    Rooted rooted(static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (int32_t p = 0; p < rooted.graph.Size(); ++p)
            benchmark::DoNotOptimize(ComputeC(rooted.graph, p, rooted.results));
    state.counters["persons"] = rooted.graph.Size();
}

void BM_FounderShareAtOnce(benchmark::State& state)
{
    Rooted rooted(static_cast<int>(state.range(0)));
    WalkGuard never;
    for (auto _ : state) {
        FounderShares shares(rooted.graph, rooted.results);
        for (int32_t p = 0; p < rooted.graph.Size(); ++p)
            benchmark::DoNotOptimize(shares.C(p, never));
    }
    state.counters["persons"] = rooted.graph.Size();
}

BENCHMARK(BM_FounderShareWalked)->Arg(10)->Arg(20)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FounderShareAtOnce)->Arg(10)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
