// The per-tile working grids behind TBitmapLine::Draw and DrawPlain.
#pragma once

#include <cstdint>
#include <vector>

#include "render/bitmap.h"
#include "render/bitmap_line.h"
#include "render/segment_walk.h"

namespace qv::detail {

constexpr int kTileSize = 1024;

// Renders the lines tile by tile. With supersampling a tile has 4096 x 4096 sub-cells, four
// by four per pixel; the memory held is that of one tile, whatever the chart size.
class LineRasterizer {
public:
    LineRasterizer(const std::vector<TLine>& lines, bool supersample, bool cutGaps);
    void RenderTile(int q, int r, Bitmap& bitmap, int offsetX, int offsetY, TColor color);

private:
    struct Shift {
        int32_t dx;
        int32_t dy;
    };
    struct Node {
        int32_t line;
        int32_t next;
    };
    // The cells a drawn segment of a line can occupy.
    struct SegmentBox {
        int32_t line;
        CellRange cells;
    };

    void Clear();
    bool NearTile(size_t n) const;
    void GapPass(int32_t n);
    void DrawPass(int32_t n);
    void CollectShifts(Point a, Point b, bool gap);
    CellRange ShiftedBounds(Point a, Point b) const;
    template <typename Op>
    void WalkShifted(Point a, Point b, const CellRange& clip, Op op);
    template <typename Visit>
    void ForBuckets(const CellRange& cells, Visit visit);
    void RegisterBox(int32_t n, const CellRange& cells);
    template <typename Visit>
    void ForBoxesIn(const CellRange& cells, Visit visit);
    void MarkCell(int32_t cell, int32_t n);
    void RemoveUnshared(int32_t cell, int32_t n);
    bool SharesVertex(int32_t n, int32_t m);
    bool CellSet(int32_t cell) const;
    void PaintPixels(Bitmap& bitmap, int64_t left, int64_t top, TColor color);
    void PaintSubsampled(Bitmap& bitmap, int64_t left, int64_t top, TColor color);

    const std::vector<TLine>& m_lines;
    bool m_supersample;
    bool m_cutGaps;
    int m_scale;
    int m_side;
    int m_blocksPerSide;
    CellRange m_window;
    int m_tileX = 0;
    int m_tileY = 0;

    // Pixel bounding box of each line, for skipping lines far from a tile.
    std::vector<Point> m_lineMin, m_lineMax;
    // Gap mode: per cell the head of a list of line indices (-1 empty), nodes pooled.
    std::vector<int32_t> m_head;
    std::vector<Node> m_nodes;
    int32_t m_freeNode = -1;
    // Plain mode: per cell a covered flag.
    std::vector<uint8_t> m_covered;
    // Blocks of 16 x 16 cells that received anything in this tile.
    std::vector<uint8_t> m_blockUsed;
    // Gap mode: the boxes of the segments drawn in this tile, found through buckets of the
    // tile, so that a gap is only cut where an earlier, unconnected line can be.
    std::vector<SegmentBox> m_boxes;
    std::vector<std::vector<int32_t>> m_buckets;
    int m_bucketShift = 0;
    std::vector<int64_t> m_boxStamp;
    int64_t m_boxEpoch = 0;
    // Supersampling: pixels of the tile with a drawn sub-cell.
    std::vector<uint8_t> m_touched;
    std::vector<int32_t> m_touchedList;
    // The translations of the current segment's walk, and their extent.
    std::vector<Shift> m_shifts;
    Shift m_shiftMin{}, m_shiftMax{};
    // Memo of "line m shares a vertex with the current line".
    std::vector<int64_t> m_shareStamp;
    std::vector<uint8_t> m_shareValue;
    int64_t m_epoch = 0;
    std::vector<Point> m_sortedPoints;
    bool m_sortedReady = false;
};

}  // namespace qv::detail
