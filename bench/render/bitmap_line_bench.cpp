// The line layer on a large chart: about 100,000 lines on 20,000 x 20,000 pixels, gaps cut,
// supersampled, with the time taken and the working memory the drawing adds (the picture
// itself excluded).
#include <algorithm>
#include <fstream>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "render/bitmap.h"
#include "render/bitmap_line.h"

namespace qv {
namespace {

// An ancestor chart's lines: rows 100 pixels apart, persons 60 pixels apart, each pair of
// neighbours a couple with a marriage line in two halves and a bent line down to a child a
// few places to the side, so that some child lines cross others.
TBitmapLine PedigreeLines(int side)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> offset(-3, 3);
    TBitmapLine lines(side, side);
    int persons = (side - 60) / 60, rows = side / 100;
    for (int row = 1; row < rows; ++row) {
        int y = 100 * row + 50;
        for (int j = 0; 2 * j + 1 < persons; ++j) {
            Point father{60 + 120 * j, y}, mother{120 + 120 * j, y}, middle{90 + 120 * j, y};
            lines.AddSegment(father, middle);
            lines.AddSegment(middle, mother);
            int child = std::clamp(2 * j + offset(random), 0, persons - 1);
            Point c{60 + 60 * child, y - 100};
            lines.AddLine(std::vector<Point>{c, {c.x, y - 40}, {middle.x, y - 30}, middle});
        }
    }
    return lines;
}

// A worst case: runs of 20 to 300 pixels in random places, so that lines cross everywhere;
// every third line continues the one before it.
TBitmapLine CrossingLines(int side, int count)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> position(0, side - 1), length(20, 300), sign(0, 1);
    TBitmapLine lines(side, side);
    for (int i = 0; i < count; ++i) {
        Point p{position(random), position(random)};
        if (i % 3 != 0) p = lines.Lines.back().Points.back();
        std::vector<Point> line{p};
        for (int k = 0; k < 2; ++k) {
            int step = length(random) * (sign(random) ? 1 : -1);
            p = (k + i) % 2 ? Point{p.x + step, p.y} : Point{p.x, p.y + step};
            if (i % 7 == 0) p.x += step / 2;
            line.push_back(p);
        }
        lines.AddLine(line);
    }
    return lines;
}

// Resident memory in kB: "VmHWM" (the peak since the last reset) or "VmRSS".
long StatusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    return -1;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void DrawLines(benchmark::State& state, const TBitmapLine& lines)
{
    int side = lines.Width;
    bool gaps = state.range(1) != 0, supersample = state.range(2) != 0;
    Bitmap bitmap(side, side);
    for (auto _ : state) {
        ResetPeak();
        long before = StatusKilobytes("VmRSS");
        bool done = gaps ? lines.Draw(bitmap, 0, 0, supersample)
                         : lines.DrawPlain(bitmap, 0, 0, supersample);
        benchmark::DoNotOptimize(done);
        state.counters["working_MB"] = (StatusKilobytes("VmHWM") - before) / 1024.0;
    }
    state.counters["lines"] = double(lines.Lines.size());
}

void BM_PedigreeLines(benchmark::State& state)
{
    DrawLines(state, PedigreeLines(int(state.range(0))));
}

void BM_CrossingLines(benchmark::State& state)
{
    DrawLines(state, CrossingLines(int(state.range(0)), 100'000));
}

// Chart side, gaps, supersampling.
BENCHMARK(BM_PedigreeLines)
    ->Args({20000, 1, 1})
    ->Args({10000, 1, 1})
    ->Args({20000, 1, 0})
    ->Args({20000, 0, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_CrossingLines)->Args({20000, 1, 1})->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace qv

BENCHMARK_MAIN();
