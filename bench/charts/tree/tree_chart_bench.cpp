// The tree chart of the largest pedigree collapse in the shared files (Queen.ged, a proband
// whose ancestry holds nearly every person of the file) and of royal92.ged, written as PNG,
// SVG and PDF with tree type 0 and sorting "Überschneidungen min.". Run one format per
// process (--benchmark_filter) to read its peak memory from peak_rss_mb.
#include <sys/resource.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "data/data_file.h"
#include "data/error.h"

namespace qv {
namespace {

struct Family {
    const char* file;
    const char* proband;
};
constexpr Family kQueen{"Queen.ged", "I3062"};
constexpr Family kRoyal{"royal92.ged", "I115"};

std::unique_ptr<TAhnenData> Load(benchmark::State& state, const Family& family)
{
    if (std::string(QV_TESTDATA_DIR).empty()) {
        state.SkipWithError("shared test data not found");
        return nullptr;
    }
    return OpenDataFile(std::string(QV_TESTDATA_DIR) + "/" + family.file);
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_TreeChartFile(benchmark::State& state, Family family, const char* extension)
{
    std::unique_ptr<TAhnenData> data = Load(state, family);
    if (!data) return;
    TImageSettings settings;
    settings.ProbandIndex = data->FindPerson(family.proband);
    settings.Tree.Sorting = 2;
    const std::string file =
        (std::filesystem::temp_directory_path() / (std::string("tree_chart_bench") + extension))
            .string();
    for (auto _ : state) {
        TCalcClass calc(*data);
        try {
            std::optional<OutputCounts> counts =
                WriteTreeChart(*data, settings, TemplateTexts(calc, settings), file, "bench");
            state.counters["persons"] = counts ? counts->persons : 0;
        } catch (const Error& e) {
            state.SkipWithError(e.what());
        }
    }
    state.counters["peak_rss_mb"] = PeakMegabytes();
    std::filesystem::remove(file);
}

// One layout without sorting: a packing of the whole ancestry, as every sorting trial does.
void BM_AncestorLayout(benchmark::State& state, Family family)
{
    std::unique_ptr<TAhnenData> data = Load(state, family);
    if (!data) return;
    TImageSettings settings;
    settings.ProbandIndex = data->FindPerson(family.proband);
    for (auto _ : state) {
        TImage_Vorfahren chart(*data, settings);
        chart.Layout({});
        benchmark::DoNotOptimize(chart.Width);
    }
}

BENCHMARK_CAPTURE(BM_AncestorLayout, Queen, kQueen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TreeChartFile, royal92_png, kRoyal, ".png")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_TreeChartFile, royal92_svg, kRoyal, ".svg")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_TreeChartFile, royal92_pdf, kRoyal, ".pdf")->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_TreeChartFile, Queen_png, kQueen, ".png")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_TreeChartFile, Queen_svg, kQueen, ".svg")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_TreeChartFile, Queen_pdf, kQueen, ".pdf")
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
