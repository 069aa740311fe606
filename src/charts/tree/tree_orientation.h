// Alignment of the tree charts: generations along y, or along x for the horizontal directions.
#pragma once

#include <cstdint>
#include <utility>

#include "render/point.h"

namespace qv {

// AT_ALIGNMENT 2 "Links -> Rechts" and 3 "Rechts -> Links" lay the generations out along x.
inline bool IsHorizontalAlignment(uint8_t alignment)
{
    return alignment == 2 || alignment == 3;
}

// Layout orientation (across, along) to image orientation.
inline Point OrientTreePoint(Point p, uint8_t alignment)
{
    if (IsHorizontalAlignment(alignment)) std::swap(p.x, p.y);
    return p;
}

}  // namespace qv
