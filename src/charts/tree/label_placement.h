// Where the tree charts put a person's label: below and beside its symbol, line by line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "charts/chart_painter.h"
#include "data/array_types.h"
#include "render/color.h"
#include "render/point.h"

namespace qv {

struct LabelPlacement {
    int32_t radius = 0;      // NODE_RADIUS
    int32_t lineHeight = 0;  // the pitch of label lines

    // Line k starts 3 pixels right of the symbol's centre, 2 pixels below the symbol.
    Point LinePoint(Point symbol, size_t line) const
    {
        return {symbol.x + 3, symbol.y + radius + 2 + int32_t(line) * lineHeight};
    }
};

// Every line of a person's label, each with its halo where labels stay on top.
void DrawLabel(ChartPainter& painter, const LabelPlacement& placement, Point symbol,
               const TArrayOfString& lines, TColor background);

}  // namespace qv
