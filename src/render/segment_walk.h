// The integer Bresenham walk of one segment, limited to a rectangle of cells.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace qv {

// Cells lo <= x < hi and lo <= y < hi, in absolute cell coordinates.
struct CellRange {
    int64_t loX = 0;
    int64_t loY = 0;
    int64_t hiX = 0;
    int64_t hiY = 0;
    bool Contains(int64_t x, int64_t y) const { return x >= loX && x < hiX && y >= loY && y < hiY; }
};

namespace detail {

// Walks along the major axis; Place(major, minor) calls the visitor with (x, y).
// The state after i steps is computed directly, so the walk starts where the range begins
// instead of stepping there from a start point that may lie thousands of cells away.
template <typename Place>
void WalkMajor(int64_t m0, int64_t n0, int64_t stepM, int64_t stepN, int64_t dMajor, int64_t dMinor,
               int64_t loM, int64_t hiM, Place place)
{
    int64_t first = stepM > 0 ? loM - m0 : m0 - (hiM - 1);
    int64_t last = stepM > 0 ? hiM - m0 : m0 - loM + 1;
    if (first < 0) first = 0;
    if (last > dMajor) last = dMajor;
    if (first >= last) return;
    int64_t err0 = dMajor / 2;
    __int128 t = static_cast<__int128>(first) * dMinor - err0;
    __int128 k = t <= 0 ? 0 : (t + dMajor - 1) / dMajor;
    int64_t err = static_cast<int64_t>(k * dMajor - t);
    int64_t n = n0 + static_cast<int64_t>(k) * stepN;
    for (int64_t i = first, m = m0 + first * stepM; i < last; ++i, m += stepM) {
        if (!place(m, n)) return;
        err -= dMinor;
        if (err < 0) {
            err += dMajor;
            n += stepN;
        }
    }
}

inline int64_t Sign(int64_t v)
{
    return (v > 0) - (v < 0);
}

}  // namespace detail

// Visits, in walk order, the cells of the walk from s to e that lie in the range: the end
// cell is never visited, a zero-length segment visits nothing, and the walk ends once it
// leaves the range after having been inside (a straight walk cannot come back).
template <typename Visit>
void WalkSegment(int64_t sx, int64_t sy, int64_t ex, int64_t ey, const CellRange& range,
                 Visit&& visit)
{
    int64_t dx = std::llabs(ex - sx), dy = std::llabs(ey - sy);
    bool entered = false;
    auto at = [&](int64_t x, int64_t y) {
        if (!range.Contains(x, y)) return !entered;
        entered = true;
        visit(x, y);
        return true;
    };
    if (dx < dy)
        detail::WalkMajor(sy, sx, detail::Sign(ey - sy), detail::Sign(ex - sx), dy, dx, range.loY,
                          range.hiY, [&](int64_t y, int64_t x) { return at(x, y); });
    else
        detail::WalkMajor(sx, sy, detail::Sign(ex - sx), detail::Sign(ey - sy), dx, dy, range.loX,
                          range.hiX, [&](int64_t x, int64_t y) { return at(x, y); });
}

}  // namespace qv
