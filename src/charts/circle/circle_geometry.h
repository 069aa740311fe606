// Angles and points of the circle chart: angle 0 points down from the centre, a quarter turn
// right, half a turn up; angles grow counter-clockwise on the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "render/point.h"

namespace qv {

// Where the chart's rings are: the centre, the ring width and the proband's sector.
struct CircleFrame {
    PointF centre;
    int32_t ringWidth = 50;
    double start = 0;
    double span = 0;

    PointF At(double angle, double radius) const;
};

// The points an arc of this span is drawn with: one per whole degree, at least 2.
int32_t ArcPointCount(double span);
// count points from `from` to `from + span` on the radius.
std::vector<PointF> ArcPoints(const CircleFrame& frame, double radius, double from, double span,
                              int32_t count);

// The outline of a sector of ring `depth`: the inner start point, the outer arc, the inner
// end point.
std::vector<PointF> SectorOutline(const CircleFrame& frame, int32_t depth, double from,
                                  double span);

// The disc of the given radius over the frame's sector: the centre, then the arc.
std::vector<PointF> SectorDisc(const CircleFrame& frame, double radius);

// Half the angle the bottom gap needs for captions textWidth wide in the middle of the first
// ring; none when the caption is too wide for the ring.
std::optional<double> CaptionGapAngle(int32_t textWidth, int32_t ringWidth, int32_t lineHeight);

// The half circle's proband disc, cut by a chord two line heights below the centre; none when
// the ring is too narrow for the chord.
std::optional<std::vector<PointF>> HalfCircleCap(const CircleFrame& frame, int32_t lineHeight);

}  // namespace qv
