// The triangle diagram of the generated 100,000-person population, rooted in its last
// generation, written as PNG and PDF with the default settings. Run one format per process
// (--benchmark_filter) to read its peak memory from peak_rss_mb.
#include <sys/resource.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "charts/triangle/triangle_file.h"
#include "data/error.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"

namespace qv {
namespace {

const TAhnenData& Generated()
{
    static const TAhnenData data(LoadGedcomBytes(bench::GeneratedGedcom(100'000)), "bench.ged");
    return data;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_TriangleDiagramFile(benchmark::State& state, const char* extension)
{
    const TAhnenData& data = Generated();
    TImageSettings settings;
    settings.ProbandIndex = int64_t(data.Persons.size()) - 1;
    const std::string file = (std::filesystem::temp_directory_path() /
                              (std::string("triangle_diagram_bench") + extension))
                                 .string();
    for (auto _ : state) {
        TCalcClass calc(data);
        try {
            const auto counts = WriteTriangleDiagram(
                data, settings, TriangleTemplateLabels(calc, settings), file, "bench");
            state.counters["persons"] = counts ? counts->persons : 0;
        } catch (const Error& e) {
            state.SkipWithError(e.what());
        }
    }
    state.counters["peak_rss_mb"] = PeakMegabytes();
    if (std::filesystem::exists(file)) {
        state.counters["bytes"] = double(std::filesystem::file_size(file));
        std::filesystem::remove(file);
    }
}

BENCHMARK_CAPTURE(BM_TriangleDiagramFile, png, ".png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TriangleDiagramFile, pdf, ".pdf")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
