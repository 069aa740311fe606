// Following the selected row with the mini ancestor table on 100,000 persons: one layout per
// selection change and one hint per symbol the mouse passes.
#include <benchmark/benchmark.h>

#include "app/mini_ahnentafel_layout.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"

namespace qv {
namespace {

const TAhnenData& Population()
{
    static const TAhnenData data(LoadGedcomBytes(bench::GeneratedGedcom(100000)), "bench.ged");
    return data;
}

// Centres spread over the whole file, as scrolling through the person list selects them.
void BM_LayoutPerSelection(benchmark::State& state)
{
    const TAhnenData& data = Population();
    int64_t centre = 0;
    int64_t step = 7919;
    for (auto _ : state) {
        centre = (centre + step) % static_cast<int64_t>(data.Persons.size());
        benchmark::DoNotOptimize(LayoutMiniAhnentafel(data, centre, 300, 400));
    }
}

void BM_HintsOfOneLayout(benchmark::State& state)
{
    const TAhnenData& data = Population();
    MiniLayout layout = LayoutMiniAhnentafel(data, static_cast<int64_t>(data.Persons.size()) - 1,
                                             300, 400);
    for (auto _ : state) {
        for (const MiniSymbol& symbol : layout.symbols) {
            benchmark::DoNotOptimize(MiniSymbolAt(layout, symbol.x, symbol.y));
            benchmark::DoNotOptimize(MiniAhnentafelHint(data, symbol));
        }
    }
    state.counters["symbols"] = static_cast<double>(layout.symbols.size());
}

BENCHMARK(BM_LayoutPerSelection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HintsOfOneLayout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
