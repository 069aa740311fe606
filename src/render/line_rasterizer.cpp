// Tiled line rendering: segment test, pen, gap cutting and painting.
#include "render/line_rasterizer.h"

#include <algorithm>

namespace qv::detail {
namespace {

constexpr int kBlockShift = 4;  // blocks of 16 x 16 cells
constexpr int kBucketsPerSide = 32;
constexpr int kGapRadius = 2;  // pixels, in the diamond sense

int64_t Key(Point p)
{
    return (int64_t(p.x) << 32) | uint32_t(p.y);
}
bool KeyLess(Point a, Point b)
{
    return Key(a) < Key(b);
}

CellRange Intersection(const CellRange& a, const CellRange& b)
{
    return {std::max(a.loX, b.loX), std::max(a.loY, b.loY), std::min(a.hiX, b.hiX),
            std::min(a.hiY, b.hiY)};
}

bool Empty(const CellRange& r)
{
    return r.loX >= r.hiX || r.loY >= r.hiY;
}

// Bounds included, in pixels, also when supersampled.
bool SegmentInTile(int64_t ax, int64_t ay, int64_t bx, int64_t by, int q, int r)
{
    int64_t left = int64_t(kTileSize) * q, top = int64_t(kTileSize) * r;
    return std::min(ax, bx) <= left + kTileSize && std::min(ay, by) <= top + kTileSize &&
           std::max(ax, bx) >= left && std::max(ay, by) >= top;
}

}  // namespace

LineRasterizer::LineRasterizer(const std::vector<TLine>& lines, bool supersample, bool cutGaps)
    : m_lines(lines),
      m_supersample(supersample),
      m_cutGaps(cutGaps),
      m_scale(supersample ? 4 : 1),
      m_side(kTileSize * m_scale),
      m_blocksPerSide(m_side >> kBlockShift)
{
    size_t cells = size_t(m_side) * m_side;
    if (cutGaps) {
        m_head.assign(cells, -1);
        m_shareStamp.assign(lines.size(), -1);
        m_shareValue.assign(lines.size(), 0);
        m_buckets.resize(size_t(kBucketsPerSide) * kBucketsPerSide);
        while ((kBucketsPerSide << m_bucketShift) < m_side) ++m_bucketShift;
    } else {
        m_covered.assign(cells, 0);
    }
    m_blockUsed.assign(size_t(m_blocksPerSide) * m_blocksPerSide, 0);
    if (supersample) m_touched.assign(size_t(kTileSize) * kTileSize, 0);
    m_lineMin.reserve(lines.size());
    m_lineMax.reserve(lines.size());
    for (const TLine& line : lines) {
        Point lo{INT32_MAX, INT32_MAX}, hi{INT32_MIN, INT32_MIN};
        for (Point p : line.Points) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
        }
        m_lineMin.push_back(lo);
        m_lineMax.push_back(hi);
    }
}

void LineRasterizer::RenderTile(int q, int r, Bitmap& bitmap, int offsetX, int offsetY,
                                TColor color)
{
    Clear();
    m_tileX = q;
    m_tileY = r;
    m_window = {int64_t(q) * m_side, int64_t(r) * m_side, int64_t(q + 1) * m_side,
                int64_t(r + 1) * m_side};
    for (size_t n = 0; n < m_lines.size(); ++n) {
        if (m_lines[n].Points.size() < 2 || !NearTile(n)) continue;
        if (m_cutGaps) GapPass(static_cast<int32_t>(n));
        DrawPass(static_cast<int32_t>(n));
    }
    int64_t left = int64_t(kTileSize) * q + offsetX, top = int64_t(kTileSize) * r + offsetY;
    if (m_supersample)
        PaintSubsampled(bitmap, left, top, color);
    else
        PaintPixels(bitmap, left, top, color);
}

void LineRasterizer::Clear()
{
    // Without supersampling every cell list is emptied; only blocks that were used can hold any.
    // With supersampling only the sub-cells of touched pixels can hold entries.
    if (m_supersample) {
        for (int32_t pixel : m_touchedList) {
            m_touched[pixel] = 0;
            int64_t sx = int64_t(pixel % kTileSize) * 4, sy = int64_t(pixel / kTileSize) * 4;
            for (int j = 0; j < 4; ++j)
                for (int i = 0; i < 4; ++i) {
                    size_t cell = size_t(sy + j) * m_side + size_t(sx + i);
                    if (m_cutGaps)
                        m_head[cell] = -1;
                    else
                        m_covered[cell] = 0;
                }
        }
        m_touchedList.clear();
    } else {
        for (int by = 0; by < m_blocksPerSide; ++by)
            for (int bx = 0; bx < m_blocksPerSide; ++bx) {
                if (!m_blockUsed[size_t(by) * m_blocksPerSide + bx]) continue;
                for (int j = 0; j < 16; ++j) {
                    size_t row = size_t((by << kBlockShift) + j) * m_side + (bx << kBlockShift);
                    if (m_cutGaps)
                        std::fill_n(m_head.begin() + row, 16, -1);
                    else
                        std::fill_n(m_covered.begin() + row, 16, 0);
                }
            }
    }
    std::fill(m_blockUsed.begin(), m_blockUsed.end(), 0);
    m_nodes.clear();
    m_freeNode = -1;
    for (auto& bucket : m_buckets) bucket.clear();
    m_boxes.clear();
}

bool LineRasterizer::NearTile(size_t n) const
{
    int64_t margin = m_cutGaps ? kGapRadius : 0;
    return SegmentInTile(int64_t(m_lineMin[n].x) - margin, int64_t(m_lineMin[n].y) - margin,
                         int64_t(m_lineMax[n].x) + margin, int64_t(m_lineMax[n].y) + margin,
                         m_tileX, m_tileY);
}

// The translations of the base walk from scale * a to scale * b that make up the pen (and,
// for a gap, the pen at every diamond offset whose shifted segment passes the segment test):
// shifting both ends of a Bresenham walk shifts every cell it visits by the same amount.
void LineRasterizer::CollectShifts(Point a, Point b, bool gap)
{
    m_shifts.clear();
    int radius = gap ? kGapRadius : 0;
    for (int oy = -radius; oy <= radius; ++oy)
        for (int ox = -radius; ox <= radius; ++ox) {
            if (std::abs(ox) + std::abs(oy) > radius) continue;
            if (!SegmentInTile(int64_t(a.x) + ox, int64_t(a.y) + oy, int64_t(b.x) + ox,
                               int64_t(b.y) + oy, m_tileX, m_tileY))
                continue;
            for (int j = 0; j < m_scale; ++j)
                for (int i = 0; i < m_scale; ++i) {
                    bool corner = m_supersample && (i == 0 || i == 3) && (j == 0 || j == 3);
                    if (!corner) m_shifts.push_back({m_scale * ox + i, m_scale * oy + j});
                }
        }
    m_shiftMin = m_shiftMax = m_shifts.empty() ? Shift{0, 0} : m_shifts.front();
    for (Shift s : m_shifts) {
        m_shiftMin = {std::min(m_shiftMin.dx, s.dx), std::min(m_shiftMin.dy, s.dy)};
        m_shiftMax = {std::max(m_shiftMax.dx, s.dx), std::max(m_shiftMax.dy, s.dy)};
    }
}

// The cells the current shifts of the walk from a to b can reach.
CellRange LineRasterizer::ShiftedBounds(Point a, Point b) const
{
    return {int64_t(std::min(a.x, b.x)) * m_scale + m_shiftMin.dx,
            int64_t(std::min(a.y, b.y)) * m_scale + m_shiftMin.dy,
            int64_t(std::max(a.x, b.x)) * m_scale + m_shiftMax.dx + 1,
            int64_t(std::max(a.y, b.y)) * m_scale + m_shiftMax.dy + 1};
}

// Applies op to every cell of the shifted walks that lies in clip (within the tile).
template <typename Op>
void LineRasterizer::WalkShifted(Point a, Point b, const CellRange& clip, Op op)
{
    if (m_shifts.empty() || Empty(clip)) return;
    CellRange base{clip.loX - m_shiftMax.dx, clip.loY - m_shiftMax.dy, clip.hiX - m_shiftMin.dx,
                   clip.hiY - m_shiftMin.dy};
    WalkSegment(int64_t(a.x) * m_scale, int64_t(a.y) * m_scale, int64_t(b.x) * m_scale,
                int64_t(b.y) * m_scale, base, [&](int64_t x, int64_t y) {
                    for (Shift s : m_shifts) {
                        if (!clip.Contains(x + s.dx, y + s.dy)) continue;
                        int64_t cx = x + s.dx - m_window.loX, cy = y + s.dy - m_window.loY;
                        op(static_cast<int32_t>(cy * m_side + cx));
                    }
                });
}

template <typename Visit>
void LineRasterizer::ForBuckets(const CellRange& cells, Visit visit)
{
    for (int64_t by = (cells.loY - m_window.loY) >> m_bucketShift;
         by <= (cells.hiY - 1 - m_window.loY) >> m_bucketShift; ++by)
        for (int64_t bx = (cells.loX - m_window.loX) >> m_bucketShift;
             bx <= (cells.hiX - 1 - m_window.loX) >> m_bucketShift; ++bx)
            visit(m_buckets[size_t(by) * kBucketsPerSide + size_t(bx)]);
}

void LineRasterizer::RegisterBox(int32_t n, const CellRange& cells)
{
    int32_t index = static_cast<int32_t>(m_boxes.size());
    m_boxes.push_back({n, cells});
    ForBuckets(cells, [&](std::vector<int32_t>& bucket) { bucket.push_back(index); });
}

// Visits, once each, the boxes registered in the buckets that cells (within the tile) touches.
template <typename Visit>
void LineRasterizer::ForBoxesIn(const CellRange& cells, Visit visit)
{
    ++m_boxEpoch;
    m_boxStamp.resize(m_boxes.size(), 0);
    ForBuckets(cells, [&](const std::vector<int32_t>& bucket) {
        for (int32_t box : bucket) {
            if (m_boxStamp[box] == m_boxEpoch) continue;
            m_boxStamp[box] = m_boxEpoch;
            visit(box);
        }
    });
}

// Entries can only be removed where an earlier line that shares no vertex with n has cells:
// the walk is limited to the boxes of such lines' segments, which leaves the result as if the
// whole band had been walked, and connected lines (most of a chart's) cost nothing.
void LineRasterizer::GapPass(int32_t n)
{
    ++m_epoch;
    m_sortedReady = false;
    const std::vector<Point>& p = m_lines[n].Points;
    for (size_t k = 1; k < p.size(); ++k) {
        CollectShifts(p[k - 1], p[k], true);
        if (m_shifts.empty()) continue;
        CellRange band = Intersection(ShiftedBounds(p[k - 1], p[k]), m_window);
        if (Empty(band)) continue;
        // Stretches of the band along the walk's main axis where such a line has cells;
        // overlapping ones are merged, so no cell is walked twice for one segment.
        bool alongX = std::abs(p[k].x - p[k - 1].x) >= std::abs(p[k].y - p[k - 1].y);
        std::vector<std::pair<int64_t, int64_t>> stretches;
        ForBoxesIn(band, [&](int32_t box) {
            CellRange clip = Intersection(band, m_boxes[box].cells);
            if (Empty(clip) || SharesVertex(n, m_boxes[box].line)) return;
            stretches.push_back(alongX ? std::pair(clip.loX, clip.hiX)
                                       : std::pair(clip.loY, clip.hiY));
        });
        std::sort(stretches.begin(), stretches.end());
        for (size_t i = 0; i < stretches.size();) {
            auto [lo, hi] = stretches[i];
            for (++i; i < stretches.size() && stretches[i].first <= hi; ++i)
                hi = std::max(hi, stretches[i].second);
            CellRange clip = band;
            (alongX ? clip.loX : clip.loY) = lo;
            (alongX ? clip.hiX : clip.hiY) = hi;
            WalkShifted(p[k - 1], p[k], clip, [&](int32_t cell) { RemoveUnshared(cell, n); });
        }
    }
}

void LineRasterizer::DrawPass(int32_t n)
{
    const std::vector<Point>& p = m_lines[n].Points;
    for (size_t k = 1; k < p.size(); ++k) {
        CollectShifts(p[k - 1], p[k], false);
        if (m_shifts.empty()) continue;
        WalkShifted(p[k - 1], p[k], m_window, [&](int32_t cell) { MarkCell(cell, n); });
        CellRange cells = Intersection(ShiftedBounds(p[k - 1], p[k]), m_window);
        if (m_cutGaps && !Empty(cells)) RegisterBox(n, cells);
    }
}

void LineRasterizer::MarkCell(int32_t cell, int32_t n)
{
    int32_t cx = cell % m_side, cy = cell / m_side;
    m_blockUsed[size_t(cy >> kBlockShift) * m_blocksPerSide + size_t(cx >> kBlockShift)] = 1;
    if (m_supersample) {
        int32_t pixel = (cy / 4) * kTileSize + cx / 4;
        if (!m_touched[pixel]) {
            m_touched[pixel] = 1;
            m_touchedList.push_back(pixel);
        }
    }
    if (!m_cutGaps) {
        m_covered[cell] = 1;
        return;
    }
    int32_t& head = m_head[cell];
    // Only line n is appended during its pass, so a repeat is always at the head.
    if (head >= 0 && m_nodes[head].line == n) return;
    int32_t node = m_freeNode;
    if (node >= 0) {
        m_freeNode = m_nodes[node].next;
        m_nodes[node] = {n, head};
    } else {
        node = static_cast<int32_t>(m_nodes.size());
        m_nodes.push_back({n, head});
    }
    head = node;
}

void LineRasterizer::RemoveUnshared(int32_t cell, int32_t n)
{
    int32_t* link = &m_head[cell];
    while (*link >= 0) {
        int32_t node = *link;
        if (SharesVertex(n, m_nodes[node].line)) {
            link = &m_nodes[node].next;
            continue;
        }
        *link = m_nodes[node].next;
        m_nodes[node].next = m_freeNode;
        m_freeNode = node;
    }
}

// Any point of one line equal to any point of the other; a line always shares with itself.
bool LineRasterizer::SharesVertex(int32_t n, int32_t m)
{
    if (m == n) return true;
    if (m_shareStamp[m] == m_epoch) return m_shareValue[m];
    if (!m_sortedReady) {
        m_sortedPoints = m_lines[n].Points;
        std::sort(m_sortedPoints.begin(), m_sortedPoints.end(), KeyLess);
        m_sortedReady = true;
    }
    bool shares = false;
    for (Point p : m_lines[m].Points)
        if (std::binary_search(m_sortedPoints.begin(), m_sortedPoints.end(), p, KeyLess)) {
            shares = true;
            break;
        }
    m_shareStamp[m] = m_epoch;
    m_shareValue[m] = shares;
    return shares;
}

bool LineRasterizer::CellSet(int32_t cell) const
{
    return m_cutGaps ? m_head[cell] >= 0 : m_covered[cell] != 0;
}

void LineRasterizer::PaintPixels(Bitmap& bitmap, int64_t left, int64_t top, TColor color)
{
    for (int by = 0; by < m_blocksPerSide; ++by)
        for (int bx = 0; bx < m_blocksPerSide; ++bx) {
            if (!m_blockUsed[size_t(by) * m_blocksPerSide + bx]) continue;
            for (int y = by << kBlockShift; y < (by + 1) << kBlockShift; ++y)
                for (int x = bx << kBlockShift; x < (bx + 1) << kBlockShift; ++x) {
                    int64_t px = left + x, py = top + y;
                    if (CellSet(y * m_side + x) && px >= 0 && py >= 0 && px < bitmap.Width() &&
                        py < bitmap.Height())
                        bitmap.SetPixel(int(px), int(py), color);
                }
        }
}

void LineRasterizer::PaintSubsampled(Bitmap& bitmap, int64_t left, int64_t top, TColor color)
{
    for (int32_t pixel : m_touchedList) {
        int x = pixel % kTileSize, y = pixel / kTileSize;
        int64_t px = left + x, py = top + y;
        if (px < 0 || py < 0 || px >= bitmap.Width() || py >= bitmap.Height()) continue;
        int covered = 0;
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) covered += CellSet((4 * y + j) * m_side + 4 * x + i);
        if (covered > 0)
            bitmap.SetPixel(int(px), int(py),
                            Blend(bitmap.Pixel(int(px), int(py)), color, covered / 16.0));
    }
}

}  // namespace qv::detail
