// A connecting line of a tree chart: points in layout orientation (x across, y along).
#pragma once

#include <vector>

#include "render/point.h"

namespace qv {

using ChartPolyline = std::vector<Point>;

}  // namespace qv
