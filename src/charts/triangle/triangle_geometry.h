// Where the triangle diagram puts a pair of values: gbs(d) along the base, g'b(d) along the
// side at 60 degrees, ancestors opening one way from the proband and descendants the other.
#pragma once

#include <cstdint>

#include "render/point.h"

namespace qv {

inline constexpr int32_t kTriangleScale = 100;   // pixels per generation
inline constexpr int32_t kTriangleMargin = 100;  // pixels around the triangles

inline Point Shifted(Point p, Point offset)
{
    return {p.x + offset.x, p.y + offset.y};
}

// The generations a side spans: the largest ceil(gbs(d)) of its persons, plus one when that
// is at least 1; 0 for a side without persons (or with the proband alone).
int32_t SideGenerations(int32_t largestCeiling, bool empty);

class TriangleGeometry {
public:
    // direction: 0 "unten rechts", 1 "oben links", 2 "oben rechts", 3 "unten links", the way
    // the ancestors' triangle opens.
    TriangleGeometry(int direction, int32_t ancestorGenerations, int32_t descendantGenerations);

    int32_t Generations(int side) const { return side > 0 ? m_ancestors : m_descendants; }
    Point Origin() const { return m_origin; }
    int32_t Width() const;
    int32_t TriangleHeight() const;

    // The pixel of the value pair on a side (1 ancestors, anything else descendants).
    Point Place(int side, double h, double b) const;
    // The signs by which a side's pixels grow from the origin: x along the base, y with g'b.
    Point Growth(int side) const;

private:
    int m_direction;
    int32_t m_ancestors;
    int32_t m_descendants;
    Point m_origin;
};

}  // namespace qv
