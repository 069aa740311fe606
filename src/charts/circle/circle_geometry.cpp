// Arcs, sector outlines and the two angles the circle chart derives from its text size.
#include "charts/circle/circle_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

PointF CircleFrame::At(double angle, double radius) const
{
    return {centre.x + std::sin(angle) * radius, centre.y + std::cos(angle) * radius};
}

int32_t ArcPointCount(double span)
{
    return std::max(static_cast<int32_t>(span * 180 / std::numbers::pi), 2);
}

std::vector<PointF> ArcPoints(const CircleFrame& frame, double radius, double from, double span,
                              int32_t count)
{
    std::vector<PointF> points;
    points.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i)
        points.push_back(frame.At(from + i * span / (count - 1), radius));
    return points;
}

std::vector<PointF> SectorOutline(const CircleFrame& frame, int32_t depth, double from, double span)
{
    const double inner = double(depth) * frame.ringWidth;
    std::vector<PointF> points{frame.At(from, inner)};
    const std::vector<PointF> arc =
        ArcPoints(frame, inner + frame.ringWidth, from, span, ArcPointCount(span));
    points.insert(points.end(), arc.begin(), arc.end());
    points.push_back(frame.At(from + span, inner));
    return points;
}

std::vector<PointF> SectorDisc(const CircleFrame& frame, double radius)
{
    std::vector<PointF> points{frame.centre};
    const std::vector<PointF> arc =
        ArcPoints(frame, radius, frame.start, frame.span, ArcPointCount(frame.span));
    points.insert(points.end(), arc.begin(), arc.end());
    return points;
}

std::optional<double> CaptionGapAngle(int32_t textWidth, int32_t ringWidth, int32_t lineHeight)
{
    const double radius = 1.5 * ringWidth - 0.5 * lineHeight;
    const double sine = textWidth / 2.0 / radius;
    if (radius <= 0 || sine > 1) return std::nullopt;
    return std::asin(sine);
}

std::optional<std::vector<PointF>> HalfCircleCap(const CircleFrame& frame, int32_t lineHeight)
{
    const double sine = 2.0 * lineHeight / frame.ringWidth;
    if (sine > 1) return std::nullopt;
    const double overhang = std::asin(sine);
    const double span = std::numbers::pi + 2 * overhang;
    return ArcPoints(frame, frame.ringWidth, std::numbers::pi / 2 - overhang, span,
                     ArcPointCount(span));
}

}  // namespace qv
