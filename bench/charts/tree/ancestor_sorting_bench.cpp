// The sorting passes of the tree chart: the straightforward passes beside the fast ones, on the
// largest pedigree collapse of the shared files (Queen.ged, proband I3062, tree type 0) and on
// royal92.ged; the ancestor layout alone, and the whole chart written as PNG and PDF. Both give
// the same chart. Every benchmark reports its own peak memory (peak_rss_mb): the process's peak
// is set back to what it holds before each one starts, so one run compares all of them. Time is
// the wall clock, CPU that of all threads together.
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "calc/calc_class.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/template_texts.h"
#include "charts/tree/tree_chart_file.h"
#include "data/data_file.h"
#include "data/error.h"

namespace qv {
namespace {

struct Case {
    const char* file;
    const char* proband;
    uint8_t sorting;
};
constexpr Case kQueenCrossings{"Queen.ged", "I3062", 2};
constexpr Case kQueenLength{"Queen.ged", "I3062", 1};
constexpr Case kRoyalCrossings{"royal92.ged", "I115", 2};
constexpr Case kRoyalLength{"royal92.ged", "I1060", 1};

std::unique_ptr<TAhnenData> Load(benchmark::State& state, const Case& sorted)
{
    if (std::string(QV_TESTDATA_DIR).empty()) {
        state.SkipWithError("shared test data not found");
        return nullptr;
    }
    return OpenDataFile(std::string(QV_TESTDATA_DIR) + "/" + sorted.file);
}

TImageSettings Settings(const TAhnenData& data, const Case& sorted, bool reference)
{
    TImageSettings settings;
    settings.ProbandIndex = data.FindPerson(sorted.proband);
    settings.Tree.Sorting = sorted.sorting;
    settings.Tree.ReferenceSorting = reference;
    return settings;
}

// The process's peak resident size in MB (VmHWM), 0 where the system does not tell.
double PeakMemoryMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Sets the process's peak back to its present size (Linux), so that the next peak is the
// benchmark's own.
void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ReportPeakMemory(benchmark::State& state)
{
    state.counters["peak_rss_mb"] = PeakMemoryMb();
}

// The ancestor chart's layout, sorting included (labels left out).
void BM_AncestorSorting(benchmark::State& state, Case sorted, bool reference)
{
    ResetPeakMemory();
    std::unique_ptr<TAhnenData> data = Load(state, sorted);
    if (!data) return;
    const TImageSettings settings = Settings(*data, sorted, reference);
    for (auto _ : state) {
        TImage_Vorfahren chart(*data, settings);
        benchmark::DoNotOptimize(chart.Layout({}));
    }
    ReportPeakMemory(state);
}

void BM_SortedChartFile(benchmark::State& state, Case sorted, const char* extension, bool reference)
{
    ResetPeakMemory();
    std::unique_ptr<TAhnenData> data = Load(state, sorted);
    if (!data) return;
    const TImageSettings settings = Settings(*data, sorted, reference);
    const std::string file =
        (std::filesystem::temp_directory_path() / (std::string("sorted_chart") + extension))
            .string();
    for (auto _ : state) {
        TCalcClass calc(*data);
        try {
            benchmark::DoNotOptimize(
                WriteTreeChart(*data, settings, TemplateTexts(calc, settings), file, "bench")
                    .has_value());
        } catch (const Error& e) {
            state.SkipWithError(e.what());
        }
    }
    ReportPeakMemory(state);
    std::filesystem::remove(file);
}

#define QV_SORTING_PAIR(name, ...)                                             \
    BENCHMARK_CAPTURE(BM_AncestorSorting, name##_fast, __VA_ARGS__, false)     \
        ->Unit(benchmark::kSecond)                                             \
        ->MeasureProcessCPUTime()                                              \
        ->UseRealTime()                                                        \
        ->Iterations(1);                                                       \
    BENCHMARK_CAPTURE(BM_AncestorSorting, name##_reference, __VA_ARGS__, true) \
        ->Unit(benchmark::kSecond)                                             \
        ->MeasureProcessCPUTime()                                              \
        ->UseRealTime()                                                        \
        ->Iterations(1)

#define QV_FILE_PAIR(name, ...)                                                \
    BENCHMARK_CAPTURE(BM_SortedChartFile, name##_fast, __VA_ARGS__, false)     \
        ->Unit(benchmark::kSecond)                                             \
        ->MeasureProcessCPUTime()                                              \
        ->UseRealTime()                                                        \
        ->Iterations(1);                                                       \
    BENCHMARK_CAPTURE(BM_SortedChartFile, name##_reference, __VA_ARGS__, true) \
        ->Unit(benchmark::kSecond)                                             \
        ->MeasureProcessCPUTime()                                              \
        ->UseRealTime()                                                        \
        ->Iterations(1)

QV_SORTING_PAIR(royal92_crossings, kRoyalCrossings);
QV_SORTING_PAIR(royal92_length, kRoyalLength);
QV_FILE_PAIR(royal92_png, kRoyalCrossings, ".png");
QV_FILE_PAIR(royal92_pdf, kRoyalCrossings, ".pdf");
QV_SORTING_PAIR(Queen_crossings, kQueenCrossings);
QV_SORTING_PAIR(Queen_length, kQueenLength);
QV_FILE_PAIR(Queen_png, kQueenCrossings, ".png");
QV_FILE_PAIR(Queen_pdf, kQueenCrossings, ".pdf");

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
