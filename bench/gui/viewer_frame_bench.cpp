// Frames of the 3D viewer for Queen.ged (I3062) in each display type, as the idle loop draws
// them: the time per frame (and so frames per second) on whatever OpenGL the X server has.
// Under Xvfb that is Mesa's llvmpipe, a software renderer.
#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLContext>

#include <benchmark/benchmark.h>

#include "app/image_settings.h"
#include "data/data_file.h"
#include "gui/image_3d.h"
#include "gui/user_dialogs.h"
#include "gui/view3d_window.h"

namespace qv {
namespace {

void BM_ViewerFrame(benchmark::State& state, DisplayType type)
{
    if (std::string(QV_TESTDATA_DIR).empty()) {
        state.SkipWithError("shared test data not found");
        return;
    }
    const std::unique_ptr<TAhnenData> data =
        OpenDataFile(std::string(QV_TESTDATA_DIR) + "/Queen.ged");
    WidgetDialogs dialogs(nullptr);
    TImageSettings settings;
    View3DWindow window(*data, BuildScene(*data, data->FindPerson("I3062"), type), dialogs,
                        settings);
    window.show();
    TImage_3D& view = window.View();
    // Marking the queen's father adds the overlay and labels to every frame.
    view.MarkPerson(data->GetFather(data->FindPerson("I3062")));
    while (view.FrameCount() < 3) QCoreApplication::processEvents();
    for (auto _ : state) {
        const int64_t frames = view.FrameCount();
        while (view.FrameCount() == frames) QCoreApplication::processEvents();
    }
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(
        reinterpret_cast<const char*>(view.context()->functions()->glGetString(GL_RENDERER)));
}

BENCHMARK_CAPTURE(BM_ViewerFrame, cone, DisplayType::Cone)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ViewerFrame, lines, DisplayType::RightAngles)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ViewerFrame, blocks, DisplayType::Blocks)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace qv

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
