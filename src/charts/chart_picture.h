// A chart drawn with its comment blocks onto a new picture and saved.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "charts/chart_common.h"

namespace qv {

// Measures the comment blocks, refuses a picture too large to hold, lets draw paint the chart
// `top` pixels below the picture's top, adds the comment blocks and saves the picture (PNG or
// BMP by the name). False when drawing was cancelled; nothing is written then.
bool WriteChartPicture(TImage_Common& chart, CommentKind kind, const std::string& fileName,
                       const std::function<bool(ChartPainter& painter, int32_t top)>& draw);

}  // namespace qv
