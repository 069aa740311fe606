// The 3D scene and its WebGL page for Queen.ged (I3062, nearly the whole file is her
// ancestry) and for a proband in the last generation of the generated 100,000-person
// population (about 249 generations of a closed population above it). Run one benchmark per
// process (--benchmark_filter) to read its peak memory from peak_rss_mb.
#include <sys/resource.h>

#include <filesystem>

#include <benchmark/benchmark.h>

#include "data/data_file.h"
#include "data/gedcom_reader.h"
#include "generated_family.h"
#include "view3d/scene_3d.h"
#include "view3d/webgl_page.h"

namespace qv {
namespace {

struct Source {
    std::unique_ptr<TAhnenData> data;
    int64_t proband = -1;
};

Source Queen(benchmark::State& state)
{
    if (std::string(QV_TESTDATA_DIR).empty()) {
        state.SkipWithError("shared test data not found");
        return {};
    }
    Source source{OpenDataFile(std::string(QV_TESTDATA_DIR) + "/Queen.ged")};
    source.proband = source.data->FindPerson("I3062");
    return source;
}

Source Generated(benchmark::State&)
{
    Source source{std::make_unique<TAhnenData>(LoadGedcomBytes(bench::GeneratedGedcom(100'000)),
                                               "bench.ged")};
    source.proband = int64_t(source.data->Persons.size()) - 1;
    return source;
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_SceneLayout(benchmark::State& state, Source (*load)(benchmark::State&), DisplayType type)
{
    const Source source = load(state);
    if (!source.data) return;
    for (auto _ : state) {
        Scene3D scene = BuildScene(*source.data, source.proband, type);
        benchmark::DoNotOptimize(scene.Scale);
        state.counters["nodes"] = double(scene.IncludedCount());
        state.counters["levels"] = scene.MaxLevel;
    }
    state.counters["peak_rss_mb"] = PeakMegabytes();
}

void BM_WebGlPage(benchmark::State& state, Source (*load)(benchmark::State&), DisplayType type)
{
    const Source source = load(state);
    if (!source.data) return;
    const Scene3D scene = BuildScene(*source.data, source.proband, type);
    const std::string file =
        (std::filesystem::temp_directory_path() / "view3d_bench.html").string();
    for (auto _ : state) WriteWebGlPage(*source.data, scene, file);
    state.counters["page_mb"] = double(std::filesystem::file_size(file)) / 1e6;
    state.counters["peak_rss_mb"] = PeakMegabytes();
    std::filesystem::remove(file);
}

BENCHMARK_CAPTURE(BM_SceneLayout, Queen_cone, Queen, DisplayType::Cone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SceneLayout, Queen_lines, Queen, DisplayType::RightAngles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SceneLayout, Queen_blocks, Queen, DisplayType::Blocks)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WebGlPage, Queen_cone, Queen, DisplayType::Cone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SceneLayout, Generated_cone, Generated, DisplayType::Cone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SceneLayout, Generated_lines, Generated, DisplayType::RightAngles)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WebGlPage, Generated_cone, Generated, DisplayType::Cone)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WebGlPage, Generated_lines, Generated, DisplayType::RightAngles)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
