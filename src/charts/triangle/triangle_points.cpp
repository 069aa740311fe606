// Shared numbers and the average line of the triangle diagram.
#include "charts/triangle/triangle_points.h"

#include <cmath>
#include <map>
#include <tuple>

namespace qv {

std::vector<int32_t> SharedNumbers(const std::vector<TrianglePoint>& points)
{
    std::map<std::tuple<int, float, float>, int32_t> numberAt;
    std::vector<int32_t> numbers;
    numbers.reserve(points.size());
    for (const TrianglePoint& point : points) {
        const auto [it, added] = numberAt.try_emplace({point.side, point.b, point.h},
                                                      int32_t(numberAt.size()) + 1);
        numbers.push_back(it->second);
    }
    return numbers;
}

std::vector<std::pair<double, int32_t>> AverageLine(const std::vector<TrianglePoint>& points,
                                                    int side, int32_t generations)
{
    // One more bucket than generations: a value of exactly generations - 1 puts weight 0 there.
    std::vector<double> weight(size_t(generations) + 1, 0.0), value(weight.size(), 0.0);
    for (const TrianglePoint& point : points) {
        if (point.side != side) continue;
        const double whole = std::trunc(point.b), f = point.b - whole;
        const size_t i = size_t(whole);
        if (i + 1 >= weight.size()) continue;
        weight[i] += 1 - f;
        value[i] += (1 - f) * point.h;
        weight[i + 1] += f;
        value[i + 1] += f * point.h;
    }
    std::vector<std::pair<double, int32_t>> line;
    for (int32_t i = 0; i < generations; ++i)
        if (weight[size_t(i)] > 0) line.emplace_back(value[size_t(i)] / weight[size_t(i)], i);
    return line;
}

}  // namespace qv
