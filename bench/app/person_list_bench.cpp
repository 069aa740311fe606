// Refilling the person list on every keystroke of a filter, on 100,000 persons.
#include <benchmark/benchmark.h>

#include "app/person_list.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"

namespace qv {
namespace {

const TAhnenData& Population()
{
    static const TAhnenData data(LoadGedcomBytes(bench::GeneratedGedcom(100000)), "bench.ged");
    return data;
}

void BM_BuildListIndex(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(PersonListIndex(Population()));
}

// One refill per keystroke: "m", "mü", "mül" … in the surname filter, sorted by given name.
void BM_RefillPerKeystroke(benchmark::State& state)
{
    PersonListIndex index(Population());
    SortPriorities priorities = kInitialSortPriorities;
    RaiseSortPriority(priorities, 2);
    const std::vector<std::string> typed = {"", "m", "mü", "mül", "müll", "mülle", "müller"};
    size_t step = 0;
    for (auto _ : state) {
        PersonFilters filters;
        filters[1] = typed[step++ % typed.size()];
        benchmark::DoNotOptimize(index.Rows(filters, priorities));
    }
}

BENCHMARK(BM_BuildListIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillPerKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
