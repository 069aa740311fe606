// libFuzzer target: path data rewriting takes any text, and a simplified polyline still passes
// through every point it was given, starting and ending where it did.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "data/error.h"
#include "render/point.h"
#include "render/scalable_vector_graphics.h"
#include "render/svg_path_rewrite.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

// The corners of the writer's path data "M x y", "H x", "V y", "L x y".
std::vector<qv::Point> Corners(const std::string& line)
{
    size_t pos = line.find("d=\"") + 3, end = line.find('"', pos);
    std::vector<qv::Point> corners;
    qv::Point p;
    auto number = [&] {
        size_t used = 0;
        int64_t value = std::stoll(line.substr(pos, end - pos), &used);
        pos += used;
        if (line[pos] == ' ') ++pos;
        return static_cast<int32_t>(value);
    };
    while (pos < end) {
        char command = line[pos++];
        if (command == 'M' || command == 'L') p = {number(), number()};
        if (command == 'H') p.x = number();
        if (command == 'V') p.y = number();
        corners.push_back(p);
    }
    return corners;
}

bool OnSegment(qv::Point p, qv::Point a, qv::Point b)
{
    auto between = [](int64_t v, int64_t s, int64_t t) {
        return v >= std::min(s, t) && v <= std::max(s, t);
    };
    int64_t cross = (int64_t(b.x) - a.x) * (int64_t(p.y) - a.y) -
                    (int64_t(b.y) - a.y) * (int64_t(p.x) - a.x);
    return cross == 0 && between(p.x, a.x, b.x) && between(p.y, a.y, b.y);
}

void CheckPolyline(FuzzedDataProvider& input)
{
    std::vector<qv::Point> points(input.ConsumeIntegralInRange<size_t>(2, 40));
    for (qv::Point& p : points) {
        // Small coordinates make straight runs and reversals likely.
        p.x = input.ConsumeIntegralInRange<int32_t>(-4, 4);
        p.y = input.ConsumeIntegralInRange<int32_t>(-4, 4);
    }
    qv::TScalableVectorGraphics svg;
    svg.Polyline(points.data(), static_cast<int>(points.size()) - 1);
    std::vector<qv::Point> corners = Corners(svg.Body.back());
    Check(corners.front() == points.front() && corners.back() == points.back());
    for (qv::Point p : points) {
        bool covered = false;
        for (size_t i = 1; i < corners.size() && !covered; ++i)
            covered = OnSegment(p, corners[i - 1], corners[i]);
        Check(covered);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider input(bytes, size);
    if (input.ConsumeBool()) {
        CheckPolyline(input);
        return 0;
    }
    std::string data = input.ConsumeRemainingBytesAsString();
    try {
        qv::RewritePathLine("<path d=\"" + data + "\"/>");
        if (auto rewritten = qv::RewritePathData(data)) qv::RewritePathData(*rewritten);
    } catch (const qv::Error&) {
        // A number that cannot be read is refused with a message.
    }
    return 0;
}
