// The circle chart of Queen.ged's I3062, whose first-visit walk reaches the ring limit of the
// settings (100 rings), and of royal92.ged's I1060, written as PNG, SVG and PDF with repeated
// ancestors marked and Kekule numbers on. Run one format per process (--benchmark_filter) to
// read its peak memory from peak_rss_mb.
#include <sys/resource.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "charts/circle/circle_chart_file.h"
#include "data/data_file.h"
#include "data/error.h"

namespace qv {
namespace {

struct Family {
    const char* file;
    const char* proband;
};
constexpr Family kQueen{"Queen.ged", "I3062"};
constexpr Family kRoyal{"royal92.ged", "I1060"};

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_CircleChartFile(benchmark::State& state, Family family, const char* extension)
{
    if (std::string(QV_TESTDATA_DIR).empty()) return state.SkipWithError("no shared test data");
    const std::unique_ptr<TAhnenData> data =
        OpenDataFile(std::string(QV_TESTDATA_DIR) + "/" + family.file);
    TImageSettings settings;
    settings.ProbandIndex = data->FindPerson(family.proband);
    settings.Circle.HighlightDouble = true;
    settings.Circle.Kekule = true;
    const std::string file =
        (std::filesystem::temp_directory_path() / (std::string("circle_chart_bench") + extension))
            .string();
    for (auto _ : state) {
        try {
            WriteCircleChart(*data, settings, file, "bench");
        } catch (const Error& e) {
            state.SkipWithError(e.what());
        }
    }
    state.counters["file_mb"] = double(std::filesystem::file_size(file)) / (1 << 20);
    state.counters["peak_rss_mb"] = PeakMegabytes();
    std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(BM_CircleChartFile, royal92_png, kRoyal, ".png")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_CircleChartFile, royal92_svg, kRoyal, ".svg")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_CircleChartFile, royal92_pdf, kRoyal, ".pdf")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_CircleChartFile, Queen_png, kQueen, ".png")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_CircleChartFile, Queen_svg, kQueen, ".svg")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_CircleChartFile, Queen_pdf, kQueen, ".pdf")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
