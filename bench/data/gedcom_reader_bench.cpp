// Reading and building: the largest shared file, Queen.ged and a generated 100,000 persons.
#include <benchmark/benchmark.h>

#include "data/ahnen_data.h"
#include "data/file_bytes.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"

namespace qv {
namespace {

void LoadAndBuild(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        TAhnenData data(LoadGedcomBytes(bytes), "bench.ged");
        benchmark::DoNotOptimize(data.Persons.data());
        state.counters["persons"] = static_cast<double>(data.Persons.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_LoadSharedFile(benchmark::State& state, const char* name)
{
    if (std::string(QV_TESTDATA_DIR).empty()) {
        state.SkipWithError("shared test data not found");
        return;
    }
    LoadAndBuild(state, ReadFileBytes(std::string(QV_TESTDATA_DIR) + "/" + name));
}

void BM_LoadGenerated(benchmark::State& state)
{
    static const std::string bytes = bench::GeneratedGedcom(state.range(0));
    LoadAndBuild(state, bytes);
}

BENCHMARK_CAPTURE(BM_LoadSharedFile, Queen, "Queen.ged")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSharedFile, sample3, "5.5.1 sample 3.ged")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGenerated)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
