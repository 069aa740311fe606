// TBitmapLine: a chart's thin connecting lines, rendered in one pass onto a bitmap (optionally
// supersampled, optionally cutting gaps where lines cross) or written into an SVG document.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/progress.h"
#include "render/bitmap.h"
#include "render/color.h"
#include "render/point.h"

namespace qv {

class TScalableVectorGraphics;

struct TLine {
    std::vector<Point> Points;
};

class TBitmapLine {
public:
    TBitmapLine(int32_t width, int32_t height, ProgressCallback onProgress = {});

    // The chart size in pixels: it decides how many tiles are rendered.
    int32_t Width;
    int32_t Height;
    ProgressCallback OnProgress;
    // In the order added: a later line cuts gaps into earlier ones, never the reverse.
    std::vector<TLine> Lines;
    TColor Color = kBlack;

    // Appends a copy of points[0 .. highIndex].
    void AddLine(const Point* points, int highIndex);
    void AddLine(std::span<const Point> points);
    void AddSegment(Point a, Point b);

    // Every line, with a gap cut into an earlier line wherever a later line without a common
    // vertex crosses it; cell (x, y) lands on pixel (x + offsetX, y + offsetY). Returns false
    // when the progress callback asked to cancel (the picture is then incomplete).
    bool Draw(Bitmap& bitmap, int offsetX, int offsetY, bool supersample) const;
    // Every line, without gaps.
    bool DrawPlain(Bitmap& bitmap, int offsetX, int offsetY, bool supersample) const;
    // Joins lines that continue one another into chains and writes each as one polyline.
    bool DrawSVG(TScalableVectorGraphics& svg, int offsetX, int offsetY) const;
};

}  // namespace qv
