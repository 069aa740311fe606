// Which persons the triangle diagram shows, and on which side of the proband.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"
#include "data/selection_state.h"

namespace qv {

// 1 an ancestor, -1 a descendant (the proband too), 0 not shown.
using TriangleSides = std::vector<int8_t>;

// The proband's ancestors and descendants, narrowed by the tree type: 0 all of them, 1 the
// marriage circles only, 2 only those in the selection list.
TriangleSides SelectTriangleSides(const TAhnenData& data, int64_t proband, int treeType,
                                  const SelectionState& selection);

}  // namespace qv
