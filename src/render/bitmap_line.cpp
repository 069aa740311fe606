// Collecting lines and running the tiled renderers.
#include "render/bitmap_line.h"

#include "render/line_rasterizer.h"

namespace qv {
namespace {

constexpr const char* kProgressText = "Zeichne Linien";

// One tile more than needed in each direction; pixels outside the bitmap are ignored.
bool RenderTiles(const TBitmapLine& layer, Bitmap& bitmap, int offsetX, int offsetY,
                 bool supersample, bool cutGaps)
{
    detail::LineRasterizer rasterizer(layer.Lines, supersample, cutGaps);
    int tilesX = layer.Width / detail::kTileSize + 2;
    int tilesY = layer.Height / detail::kTileSize + 2;
    for (int q = 0; q < tilesX; ++q)
        for (int r = 0; r < tilesY; ++r) {
            if (ReportProgress(layer.OnProgress, kProgressText, int64_t(q) * tilesY + r,
                               int64_t(tilesX) * tilesY))
                return false;
            rasterizer.RenderTile(q, r, bitmap, offsetX, offsetY, layer.Color);
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
