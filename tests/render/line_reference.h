// A literal, slow rendering of the line layer (every tile, every offset, every pen walk),
// against which the fast renderer is compared on small charts.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "render/bitmap.h"
#include "render/bitmap_line.h"

namespace qv::test {

class ReferenceLines {
public:
    ReferenceLines(const TBitmapLine& layer, bool supersample, bool gaps)
        : m_layer(layer), m_ss(supersample), m_gaps(gaps), m_g(supersample ? 4096 : 1024)
    {
    }

    void Render(Bitmap& bitmap, int offsetX, int offsetY)
    {
        for (int q = 0; q < m_layer.Width / 1024 + 2; ++q)
            for (int r = 0; r < m_layer.Height / 1024 + 2; ++r)
                Tile(bitmap, q, r, offsetX, offsetY);
    }

private:
    using Cell = std::pair<int64_t, int64_t>;

    bool InTile(Point a, Point b, int q, int r) const
    {
        return std::min(a.x, b.x) <= 1024 * q + 1024 && std::min(a.y, b.y) <= 1024 * r + 1024 &&
               std::max(a.x, b.x) >= 1024 * q && std::max(a.y, b.y) >= 1024 * r;
    }

    template <typename Visit>
    void WalkOnce(int64_t sx, int64_t sy, int64_t ex, int64_t ey, int q, int r, Visit visit)
    {
        int64_t dx = std::llabs(ex - sx), dy = std::llabs(ey - sy);
        int64_t stx = (ex > sx) - (ex < sx), sty = (ey > sy) - (ey < sy), x = sx, y = sy;
        bool entered = false;
        auto at = [&] {
            int64_t cx = x - int64_t(q) * m_g, cy = y - int64_t(r) * m_g;
            if (cx < 0 || cy < 0 || cx >= m_g || cy >= m_g) return !entered;
            entered = true;
            visit(Cell{cx, cy});
            return true;
        };
        if (dx < dy) {
            for (int64_t err = dy / 2; y != ey; y += sty) {
                if (!at()) return;
                err -= dx;
                if (err < 0) err += dy, x += stx;
            }
        } else {
            for (int64_t err = dx / 2; x != ex;) {
                if (!at()) return;
                x += stx;
                err -= dy;
                if (err < 0) err += dx, y += sty;
            }
        }
    }

    template <typename Visit>
    void WalkPen(Point a, Point b, int q, int r, Visit visit)
    {
        if (!m_ss) return WalkOnce(a.x, a.y, b.x, b.y, q, r, visit);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (!((i == 0 || i == 3) && (j == 0 || j == 3)))
                    WalkOnce(4 * a.x + i, 4 * a.y + j, 4 * b.x + i, 4 * b.y + j, q, r, visit);
    }

    bool Shares(const TLine& a, const TLine& b) const
    {
        for (Point p : a.Points)
            for (Point o : b.Points)
                if (p == o) return true;
        return false;
    }

    void Tile(Bitmap& bitmap, int q, int r, int offsetX, int offsetY)
    {
        std::map<Cell, std::vector<int>> lists;
        const auto& lines = m_layer.Lines;
        for (int n = 0; n < int(lines.size()); ++n) {
            const auto& p = lines[n].Points;
            for (size_t k = 1; m_gaps && k < p.size(); ++k)
                for (int ox = -2; ox <= 2; ++ox)
                    for (int oy = -2; oy <= 2; ++oy) {
                        if (std::abs(ox) + std::abs(oy) > 2) continue;
                        Point a{p[k - 1].x + ox, p[k - 1].y + oy}, b{p[k].x + ox, p[k].y + oy};
                        if (!InTile(a, b, q, r)) continue;
                        WalkPen(a, b, q, r, [&](Cell c) {
                            auto& list = lists[c];
                            std::erase_if(
                                list, [&](int m) { return m != n && !Shares(lines[n], lines[m]); });
                        });
                    }
            for (size_t k = 1; k < p.size(); ++k)
                if (InTile(p[k - 1], p[k], q, r))
                    WalkPen(p[k - 1], p[k], q, r, [&](Cell c) { lists[c].push_back(n); });
        }
        std::map<Cell, int> counts;
        for (const auto& [cell, list] : lists)
            if (!list.empty()) ++counts[m_ss ? Cell{cell.first / 4, cell.second / 4} : cell];
        for (const auto& [pixel, c] : counts) {
            int x = int(1024 * q + pixel.first + offsetX),
                y = int(1024 * r + pixel.second + offsetY);
            if (!bitmap.Contains(x, y)) continue;
            bitmap.SetPixel(
                x, y, m_ss ? Blend(bitmap.Pixel(x, y), m_layer.Color, c / 16.0) : m_layer.Color);
        }
    }

    const TBitmapLine& m_layer;
    bool m_ss;
    bool m_gaps;
    int64_t m_g;
};

}  // namespace qv::test
