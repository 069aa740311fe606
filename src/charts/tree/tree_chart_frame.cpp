// Combined size, generation bands and caption places of the tree chart.
#include "charts/tree/tree_chart_frame.h"

#include <algorithm>

#include "charts/tree/tree_orientation.h"

namespace qv {
namespace {

// The band of one gap between two row coordinates along, shifted to the symbols' top edges.
BandRect Band(bool horizontal, int32_t first, int32_t second, Point origin, int32_t radius,
              const TreeChartMargins& margins, int32_t imageWidth, int32_t imageHeight)
{
    const int32_t along = horizontal ? origin.x : origin.y;
    const int32_t a = first + along - radius - 2;
    const int32_t b = second + along - radius - 2;
    if (horizontal) return {{a, margins.Header}, {b, imageHeight - margins.Footer}};
    return {{0, margins.Header + a}, {imageWidth, margins.Header + b}};
}

}  // namespace

TreeChartFrame JoinAtProband(Point a, int32_t ancestorWidth, int32_t ancestorHeight, Point d,
                             int32_t descendantWidth, int32_t descendantHeight)
{
    TreeChartFrame frame;
    frame.CombinedWidth = std::max(a.x, d.x) + std::max(ancestorWidth - a.x, descendantWidth - d.x);
    frame.CombinedHeight =
        std::max(a.y, d.y) + std::max(ancestorHeight - a.y, descendantHeight - d.y);
    frame.AncestorOrigin = {std::max(d.x - a.x, 0), std::max(d.y - a.y, 0)};
    frame.DescendantOrigin = {frame.AncestorOrigin.x + a.x - d.x,
                              frame.AncestorOrigin.y + a.y - d.y};
    return frame;
}

std::vector<BandRect> GenerationBands(const TImage_Vorfahren& ancestors,
                                      const TImage_Nachfahren& descendants,
                                      const TreeChartFrame& frame, const TreeChartMargins& margins,
                                      int32_t imageWidth, int32_t imageHeight)
{
    const TImageSettings& settings = ancestors.Settings;
    const uint8_t alignment = settings.Tree.Alignment;
    const bool horizontal = IsHorizontalAlignment(alignment);
    const int32_t parity = 1 - alignment % 2;
    const int32_t r = settings.Symbol.Radius;
    std::vector<BandRect> bands;
    for (int32_t n = ancestors.RowCount() - 1; n >= 0; --n) {
        const int32_t first = ancestors.RowCoordinate(n), second = ancestors.RowCoordinate(n + 1);
        if (n % 2 != parity || first == second) continue;
        bands.push_back(Band(horizontal, first, second, frame.AncestorOrigin, r, margins,
                             imageWidth, imageHeight));
    }
    for (int32_t i = 1; i <= descendants.RowCount(); ++i) {
        const int32_t first = descendants.RowCoordinate(i - 1);
        const int32_t second = descendants.RowCoordinate(i);
        if (i % 2 != parity || first == second) continue;
        bands.push_back(Band(horizontal, first, second, frame.DescendantOrigin, r, margins,
                             imageWidth, imageHeight));
    }
    return bands;
}

Point CaptionPoint(const TImageSettings& settings, int32_t lineHeight, int32_t rowCoordinate,
                   Point origin, const TreeChartMargins& margins, int32_t line)
{
    const int32_t r = settings.Symbol.Radius;
    if (IsHorizontalAlignment(settings.Tree.Alignment))
        return {rowCoordinate + origin.x - r + 8 + margins.Left,
                margins.Header + 10 + line * lineHeight};
    return {10, margins.Header + rowCoordinate + origin.y - r + 8 + line * lineHeight};
}

}  // namespace qv
