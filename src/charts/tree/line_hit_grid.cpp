// Segment-against-box tests over a grid of 64-pixel cells.
#include "charts/tree/line_hit_grid.h"

#include <algorithm>

namespace qv {
namespace {

int32_t CellOf(int32_t v, int32_t cell)
{
    return v >= 0 ? v / cell : (v - cell + 1) / cell;
}

// Liang-Barsky: clips the segment to the box; it touches the box when something remains.
bool SegmentTouchesBox(Point a, Point b, double x1, double y1, double x2, double y2)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - x1, x2 - a.x, a.y - y1, y2 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

LineHitGrid::LineHitGrid(const std::vector<ChartPolyline>& lines)
{
    for (const ChartPolyline& line : lines) {
        for (size_t k = 1; k < line.size(); ++k) {
            const int32_t index = int32_t(m_segments.size());
            m_segments.push_back({line[k - 1], line[k]});
            const Point a = line[k - 1], b = line[k];
            for (int32_t cx = CellOf(std::min(a.x, b.x), kCell);
                 cx <= CellOf(std::max(a.x, b.x), kCell); ++cx)
                for (int32_t cy = CellOf(std::min(a.y, b.y), kCell);
                     cy <= CellOf(std::max(a.y, b.y), kCell); ++cy)
                    m_cells[Key(cx, cy)].push_back(index);
        }
    }
}

bool LineHitGrid::Crosses(int32_t x, int32_t y, int32_t width, int32_t height) const
{
    for (int32_t cx = CellOf(x, kCell); cx <= CellOf(x + width, kCell); ++cx) {
        for (int32_t cy = CellOf(y, kCell); cy <= CellOf(y + height, kCell); ++cy) {
            auto cell = m_cells.find(Key(cx, cy));
            if (cell == m_cells.end()) continue;
            for (int32_t index : cell->second) {
                const Segment& s = m_segments[index];
                if (SegmentTouchesBox(s.a, s.b, x, y, x + width, y + height)) return true;
            }
        }
    }
    return false;
}

}  // namespace qv
