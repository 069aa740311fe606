// Which label boxes a chart's lines pass through: the lines bucketed in a coarse grid, so that
// testing every label stays cheap on large charts.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "charts/tree/chart_polyline.h"

namespace qv {

class LineHitGrid {
public:
    // The lines in picture coordinates.
    explicit LineHitGrid(const std::vector<ChartPolyline>& lines);

    // Whether any segment touches the box from (x, y), width by height (edges included).
    bool Crosses(int32_t x, int32_t y, int32_t width, int32_t height) const;

private:
    struct Segment {
        Point a;
        Point b;
    };
    static constexpr int32_t kCell = 64;
    static int64_t Key(int32_t cx, int32_t cy) { return (int64_t(cx) << 32) ^ uint32_t(cy); }

    std::vector<Segment> m_segments;
    std::unordered_map<int64_t, std::vector<int32_t>> m_cells;
};

}  // namespace qv
