// Path enumeration and the path-based coefficients for every person of collapsed pedigrees.
#include <benchmark/benchmark.h>

#include "calc/family_graph.h"
#include "calc/inbreeding.h"
#include "calc/path_count.h"
#include "calc/path_walk.h"
#include "shared_file.h"

namespace qv {
namespace {

// Queen.ged at Pierre I de Luxembourg (b. 1390, ancestry beyond 62 generations, 2.3 million
// paths to 1,713 relatives): the most collapsed file at a root where enumeration finishes.
// royal92.ged at Paul, Duke of Sparta (78 generations, 1 million paths).
struct Root {
    const char* file;
    const char* id;
};
constexpr Root kQueen{"Queen.ged", "I10042"};
constexpr Root kRoyal{"royal92.ged", "I1060"};
// Elizabeth II: blood paths are hopeless there, X-chromosome paths are few.
constexpr Root kElizabeth{"Queen.ged", "I3062"};

template <typename Work>
void WithRoot(benchmark::State& state, const Root& root, Work work)
{
    const TAhnenData* data = bench::SharedFile(root.file);
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    FamilyGraph graph(*data);
    int32_t person = static_cast<int32_t>(data->FindPerson(root.id));
    for (auto _ : state) work(*data, graph, person);
}

void BM_CountPaths(benchmark::State& state, Root root)
{
    WithRoot(state, root, [](const TAhnenData&, const FamilyGraph& graph, int32_t person) {
        std::vector<uint8_t> everybody(graph.Size(), 1);
        WalkGuard guard;
        benchmark::DoNotOptimize(CountPaths(graph, person, everybody, guard));
    });
}

void BM_CountXPaths(benchmark::State& state, Root root)
{
    WithRoot(state, root, [](const TAhnenData&, const FamilyGraph& graph, int32_t person) {
        WalkGuard guard;
        benchmark::DoNotOptimize(CountXPaths(graph, person, guard));
    });
}

// F, FW and FX of every person, from an empty cache each time.
void BM_InbreedingAll(benchmark::State& state, const char* file)
{
    const TAhnenData* data = bench::SharedFile(file);
    if (!data) {
        state.SkipWithError("shared test data not found");
        return;
    }
    FamilyGraph graph(*data);
    for (auto _ : state) {
        std::vector<TPersonResult> results(data->Persons.size());
        InbreedingCalculator calculator(*data, graph, results);
        WalkGuard guard;
        for (int32_t p = 0; p < graph.Size(); ++p) {
            calculator.ComputeF(p, guard);
            calculator.ComputeFW(p, guard);
            calculator.ComputeFX(p, guard);
        }
    }
}

BENCHMARK_CAPTURE(BM_CountPaths, Queen, kQueen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountPaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountXPaths, Queen, kQueen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountXPaths, royal92, kRoyal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CountXPaths, Queen_I3062, kElizabeth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InbreedingAll, royal92, "royal92.ged")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InbreedingAll, Ancient_Kingdoms, "Ancient_Kingdoms.ged")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
