// The triangle diagram's mapping from value pairs to pixels.
#include "charts/triangle/triangle_geometry.h"

#include <cmath>

namespace qv {
namespace {

const double kSin60 = std::sqrt(3.0) / 2;
constexpr double kCos60 = 0.5;

int32_t TriangleDepth(int32_t generations)
{
    return int32_t(kSin60 * kTriangleScale * generations + kTriangleMargin);
}

}  // namespace

int32_t SideGenerations(int32_t largestCeiling, bool empty)
{
    if (empty) return 0;
    return largestCeiling >= 1 ? largestCeiling + 1 : 0;
}

TriangleGeometry::TriangleGeometry(int direction, int32_t ancestorGenerations,
                                   int32_t descendantGenerations)
    : m_direction(direction), m_ancestors(ancestorGenerations), m_descendants(descendantGenerations)
{
    const int32_t a = m_ancestors, d = m_descendants;
    const bool ancestorsRight = direction == 0 || direction == 2;
    const bool ancestorsDown = direction == 0 || direction == 3;
    m_origin = {kTriangleScale * (ancestorsRight ? d : a) + kTriangleMargin,
                TriangleDepth(ancestorsDown ? d : a)};
}

int32_t TriangleGeometry::Width() const
{
    return 2 * kTriangleMargin + (m_ancestors + m_descendants) * kTriangleScale;
}

int32_t TriangleGeometry::TriangleHeight() const
{
    return int32_t(kSin60 * (m_ancestors + m_descendants) * kTriangleScale + 2 * kTriangleMargin);
}

Point TriangleGeometry::Growth(int side) const
{
    const Point ancestors{m_direction == 0 || m_direction == 2 ? 1 : -1,
                          m_direction == 0 || m_direction == 3 ? 1 : -1};
    return side == 1 ? ancestors : Point{-ancestors.x, -ancestors.y};
}

Point TriangleGeometry::Place(int side, double h, double b) const
{
    const int32_t x = int32_t(kTriangleScale * b - kCos60 * kTriangleScale * h);
    const int32_t y = int32_t(kSin60 * kTriangleScale * h);
    const Point growth = Growth(side);
    return {m_origin.x + growth.x * x, m_origin.y + growth.y * y};
}

}  // namespace qv
