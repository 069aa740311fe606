// Collecting lines and running the tiled renderers.
#include "render/bitmap_line.h"

#include <algorithm>

#include "render/line_rasterizer.h"

namespace qv {
namespace {

constexpr const char* kProgressText = "Zeichne Linien";

struct TileRange {
    int64_t first;
    int64_t end;
};

// Of the tiles 0 .. count - 1, those that put a pixel into the bitmap's extent; the others
// would only be walked to have every pixel ignored (and a huge chart size would never end).
TileRange VisibleTiles(int64_t count, int64_t offset, int64_t extent)
{
    const int64_t side = detail::kTileSize;
    auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    int64_t first = std::max<int64_t>(0, floorDiv(-offset, side));
    int64_t end = std::min(count, floorDiv(extent - offset - 1, side) + 1);
    return {first, std::max(first, end)};
}

// One tile more than needed in each direction; pixels outside the bitmap are ignored.
bool RenderTiles(const TBitmapLine& layer, Bitmap& bitmap, int offsetX, int offsetY,
                 bool supersample, bool cutGaps)
{
    detail::LineRasterizer rasterizer(layer.Lines, supersample, cutGaps);
    int64_t tilesX = layer.Width / detail::kTileSize + 2;
    int64_t tilesY = layer.Height / detail::kTileSize + 2;
    TileRange columns = VisibleTiles(tilesX, offsetX, bitmap.Width());
    TileRange rows = VisibleTiles(tilesY, offsetY, bitmap.Height());
    for (int64_t q = columns.first; q < columns.end; ++q)
        for (int64_t r = rows.first; r < rows.end; ++r) {
            if (ReportProgress(layer.OnProgress, kProgressText, q * tilesY + r, tilesX * tilesY))
                return false;
            rasterizer.RenderTile(int(q), int(r), bitmap, offsetX, offsetY, layer.Color);
        }
    return true;
}

}  // namespace

TBitmapLine::TBitmapLine(int32_t width, int32_t height, ProgressCallback onProgress)
    : Width(width), Height(height), OnProgress(std::move(onProgress))
{
}

void TBitmapLine::AddLine(const Point* points, int highIndex)
{
    if (highIndex < 0) {
        Lines.push_back({});
        return;
    }
    AddLine(std::span<const Point>(points, size_t(highIndex) + 1));
}

void TBitmapLine::AddLine(std::span<const Point> points)
{
    Lines.push_back({std::vector<Point>(points.begin(), points.end())});
}

void TBitmapLine::AddSegment(Point a, Point b)
{
    Lines.push_back({{a, b}});
}

bool TBitmapLine::Draw(Bitmap& bitmap, int offsetX, int offsetY, bool supersample) const
{
    return RenderTiles(*this, bitmap, offsetX, offsetY, supersample, true);
}

bool TBitmapLine::DrawPlain(Bitmap& bitmap, int offsetX, int offsetY, bool supersample) const
{
    return RenderTiles(*this, bitmap, offsetX, offsetY, supersample, false);
}

}  // namespace qv
