// Drawing a person's label under its symbol.
#include "charts/tree/label_placement.h"

namespace qv {

void DrawLabel(ChartPainter& painter, const LabelPlacement& placement, Point symbol,
               const TArrayOfString& lines, TColor background)
{
    for (size_t k = 0; k < lines.size(); ++k)
        painter.LabelLine(placement.LinePoint(symbol, k), background, lines[k]);
}

}  // namespace qv
