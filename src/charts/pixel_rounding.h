// Real chart coordinates to whole pixels.
#pragma once

#include <cmath>
#include <cstdint>

#include "render/point.h"

namespace qv {

// A half goes to the even neighbour.
inline Point RoundToPixel(PointF p)
{
    return {static_cast<int32_t>(std::nearbyint(p.x)), static_cast<int32_t>(std::nearbyint(p.y))};
}

}  // namespace qv
