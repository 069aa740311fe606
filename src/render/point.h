// Integer and real points in chart pixels.
#pragma once

#include <cstdint>

namespace qv {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
    double x = 0;
    double y = 0;
};

}  // namespace qv
