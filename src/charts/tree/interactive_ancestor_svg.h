// The ancestor chart written as the interactive document's scripted part: line groups, node
// groups, hover boxes, context menu, data and script.
#pragma once

#include <functional>
#include <string>

#include "charts/chart_painter.h"
#include "charts/tree/image_vorfahren.h"
#include "render/scalable_vector_graphics.h"

namespace qv {

struct InteractiveSvgContext {
    Point origin;      // the chart's origin in the document
    std::string guid;  // the document's cookie name
    // The lines of a person's hover box; the label lines when not given.
    std::function<TArrayOfString(int64_t person)> hoverLabel;
};

// The painter writes into svg. False when the progress callback cancelled.
bool WriteInteractiveAncestors(const TImage_Vorfahren& chart, ChartPainter& painter,
                               TScalableVectorGraphics& svg, const InteractiveSvgContext& context);

}  // namespace qv
