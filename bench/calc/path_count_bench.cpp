// Path counts and inbreeding coefficients side by side: the enumeration that walks every
// path, and the sums over turning persons that the engine uses.
#include <map>

#include <benchmark/benchmark.h>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/inbreeding.h"
#include "calc/inbreeding_enumeration.h"
#include "calc/path_count.h"
#include "calc/path_enumeration.h"
#include "closed_population.h"
#include "shared_file.h"

namespace qv {
namespace {

// Queen.ged at Pierre I de Luxembourg (b. 1390, ancestry beyond 62 generations, 2.3 million
// paths to 1,713 relatives) and royal92.ged at Paul, Duke of Sparta (78 generations, 1 million
// paths): collapsed, yet enumerable. Elizabeth II in Queen.ged (171 generations, 4,681
// ancestors) is hopeless for the enumeration.
struct Root {
    const char* file;
    const char* id;
};
constexpr Root kQueen{"Queen.ged", "I10042"};
constexpr Root kRoyal{"royal92.ged", "I1060"};
constexpr Root kElizabeth{"Queen.ged", "I3062"};
// Only the person-independent coefficients are measured there; the root does not matter.
constexpr Root kAncient{"Ancient_Kingdoms.ged", ""};

// A pedigree with its links, and the root: a file's person, or the last person generated.
struct Subject {
    explicit Subject(const TAhnenData& d, int32_t r)
        : data(d), graph(d), blood(graph, false), x(graph, true), root(r)
    {
    }
    const TAhnenData& data;
    FamilyGraph graph;
    FamilyLinks blood;
    FamilyLinks x;
    int32_t root;
};

template <typename Work>
void OnFile(benchmark::State& state, const Root& root, Work work)
{
    const TAhnenData* data = bench::SharedFile(root.file);
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    Subject subject(*data, static_cast<int32_t>(data->FindPerson(root.id)));
    for (auto _ : state) work(subject);
}

template <typename Work>
void OnPopulation(benchmark::State& state, Work work)
{
    static std::map<std::pair<int64_t, int64_t>, TAhnenData> populations;
    auto [it, added] = populations.try_emplace({state.range(0), state.range(1)});
    if (added)
        it->second = bench::ClosedPopulation(static_cast<int>(state.range(0)),
                                             static_cast<int>(state.range(1)));
    Subject subject(it->second, static_cast<int32_t>(it->second.Persons.size()) - 1);
    for (auto _ : state) work(subject);
}

// Every person is a target; the turning weights start empty each time.
void Enumerate(const Subject& s)
{
    WalkGuard guard;
    std::vector<uint8_t> everybody(s.graph.Size(), 1);
    benchmark::DoNotOptimize(EnumeratePaths(s.graph, s.root, everybody, guard));
}

void Count(const Subject& s)
{
    WalkGuard guard;
    std::vector<uint8_t> everybody(s.graph.Size(), 1);
    ExactTurnWeights weights(s.blood, false, true);
    benchmark::DoNotOptimize(CountPaths(weights, s.root, everybody, guard));
}

void EnumerateX(const Subject& s)
{
    WalkGuard guard;
    benchmark::DoNotOptimize(EnumerateXPaths(s.graph, s.root, guard));
}

void CountX(const Subject& s)
{
    WalkGuard guard;
    ExactTurnWeights weights(s.x, false, false);
    benchmark::DoNotOptimize(CountXPaths(weights, s.root, guard));
}

// F, FW and FX of every person, from an empty cache each time.
template <typename Calculator>
void Coefficients(Calculator& calculator, int32_t persons)
{
    WalkGuard guard;
    for (int32_t p = 0; p < persons; ++p) {
        calculator.ComputeF(p, guard);
        calculator.ComputeFW(p, guard);
        calculator.ComputeFX(p, guard);
    }
}

void EnumerateInbreeding(const Subject& s)
{
    std::vector<TPersonResult> results(s.graph.Size());
    InbreedingEnumerator enumerator(s.data, s.graph, results);
    Coefficients(enumerator, s.graph.Size());
}

void CountInbreeding(const Subject& s)
{
    std::vector<TPersonResult> results(s.graph.Size());
    ExactTurnWeights weights(s.blood, false, true);
    InbreedingCalculator calculator(s.data, s.blood, s.x, weights, results);
    Coefficients(calculator, s.graph.Size());
}

void BM_EnumeratePaths(benchmark::State& state, Root root)
{
    OnFile(state, root, Enumerate);
}
void BM_CountPaths(benchmark::State& state, Root root)
{
    OnFile(state, root, Count);
}
void BM_EnumerateXPaths(benchmark::State& state, Root root)
{
    OnFile(state, root, EnumerateX);
}
void BM_CountXPaths(benchmark::State& state, Root root)
{
    OnFile(state, root, CountX);
}
void BM_EnumerateInbreeding(benchmark::State& state, Root root)
{
    OnFile(state, root, EnumerateInbreeding);
}
void BM_CountInbreeding(benchmark::State& state, Root root)
{
    OnFile(state, root, CountInbreeding);
}
// Closed populations: range(0) persons per generation, range(1) generations.
void BM_EnumeratePathsClosed(benchmark::State& state)
{
    OnPopulation(state, Enumerate);
}
void BM_CountPathsClosed(benchmark::State& state)
{
    OnPopulation(state, Count);
}
void BM_CountXPathsClosed(benchmark::State& state)
{
    OnPopulation(state, CountX);
}
void BM_EnumerateInbreedingClosed(benchmark::State& state)
{
    OnPopulation(state, EnumerateInbreeding);
}
void BM_CountInbreedingClosed(benchmark::State& state)
{
    OnPopulation(state, CountInbreeding);
}

BENCHMARK_CAPTURE(BM_EnumeratePaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountPaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnumeratePaths, Queen_I10042, kQueen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountPaths, Queen_I10042, kQueen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountPaths, Queen_I3062, kElizabeth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnumerateXPaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountXPaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnumerateXPaths, Queen_I3062, kElizabeth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountXPaths, Queen_I3062, kElizabeth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnumerateInbreeding, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountInbreeding, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EnumerateInbreeding, Ancient_Kingdoms, kAncient)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountInbreeding, Ancient_Kingdoms, kAncient)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountInbreeding, Queen, kElizabeth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumeratePathsClosed)
    ->Args({16, 10})
    ->Args({16, 12})
    ->Args({16, 14})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPathsClosed)
    ->Args({16, 10})
    ->Args({16, 12})
    ->Args({16, 14})
    ->Args({200, 40})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountXPathsClosed)->Args({200, 40})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnumerateInbreedingClosed)
    ->Args({16, 10})
    ->Args({16, 12})
    ->Args({16, 14})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountInbreedingClosed)
    ->Args({16, 10})
    ->Args({16, 12})
    ->Args({16, 14})
    ->Args({200, 40})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
