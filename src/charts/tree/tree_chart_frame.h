// The tree chart picture around its two charts: where they meet at the proband, and where the
// generation bands and captions go.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/image_nachfahren.h"
#include "charts/tree/image_vorfahren.h"
#include "render/point.h"

namespace qv {

struct TreeChartFrame {
    int32_t CombinedWidth = 0;
    int32_t CombinedHeight = 0;
    // Chart origins inside the combined area; both put the proband on the same point.
    Point AncestorOrigin;
    Point DescendantOrigin;
};

// a and d are the proband's points in the ancestor chart and the descendant tree, in image
// orientation, with the charts' extents.
TreeChartFrame JoinAtProband(Point a, int32_t ancestorWidth, int32_t ancestorHeight, Point d,
                             int32_t descendantWidth, int32_t descendantHeight);

// Space around the combined charts: caption margins left and top, header, footnote block and
// footer heights.
struct TreeChartMargins {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Header = 0;
    int32_t Footnotes = 0;
    int32_t Footer = 0;
};

struct BandRect {
    Point from;
    Point to;
};

// The shaded generation bands (every other row, in the rows whose labels are shaded), for a
// picture of the given size with the charts placed by the frame.
std::vector<BandRect> GenerationBands(const TImage_Vorfahren& ancestors,
                                      const TImage_Nachfahren& descendants,
                                      const TreeChartFrame& frame, const TreeChartMargins& margins,
                                      int32_t imageWidth, int32_t imageHeight);

// Where line k of a row's caption starts, for the row's coordinate along and the origin of its
// chart: at the left edge of the rows (vertical alignments) or above them (horizontal).
Point CaptionPoint(const TImageSettings& settings, int32_t lineHeight, int32_t rowCoordinate,
                   Point origin, const TreeChartMargins& margins, int32_t line);

}  // namespace qv
