// The line plan of the ancestor chart: which child lines bend in the gap below their parents'
// row, and in which order the bends are stacked.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"
#include "data/array_types.h"
#include "render/point.h"

namespace qv {

// A child line from its lower point (the bend point) to its upper point (the family anchor),
// in layout orientation (x across, y along). Span is the parents' row minus the child's row.
struct TLineEntry {
    Point Lower;
    Point Upper;
    int32_t Span = 0;
    friend bool operator==(const TLineEntry&, const TLineEntry&) = default;
};

// The gap between row n and row n + 1.
struct TLineGen {
    std::vector<TLineEntry> Bends;     // drawn bent, in stacking order
    std::vector<TLineEntry> Segments;  // every child line crossing the gap, for conflict tests
};

struct LinePlanInput {
    const TAhnenData& Data;
    const TArrayOfBoolean& Drawn;
    const std::vector<int32_t>& Rows;            // per person
    const std::vector<Point>& Positions;         // per person, layout orientation
    const std::vector<int32_t>& RowCoordinates;  // per row
};

// One TLineGen per row: every drawn person with a drawn parent (or with both parents drawn in
// the same row) adds its line; steep lines into the next row stay straight.
std::vector<TLineGen> PlanLines(const LinePlanInput& input);

// Keeps the bends that must be bent: spanning two or more rows, very flat, or overlapping
// another line of the gap by more than half the row's extent (when both run the same way);
// in an interactive chart every bend stays. Then stacks the kept bends so that lines running
// the same way do not cross inside the gap.
void PruneBends(TLineGen& gap, int32_t rowExtent, bool interactive);

}  // namespace qv
