// Who belongs to the 3D scene and at which generation height.
#pragma once

#include <cstdint>
#include <vector>

#include "data/array_types.h"

namespace qv {

class TAhnenData;

// The proband and every ancestor of it.
TArrayOfBoolean IncludedAncestry(const TAhnenData& data, int64_t proband);

// The proband has height 0. Spouses (joined by marriages among included persons) share one
// height: one more than the highest child of any of them, where children outside the scene
// count 0. Excluded persons get 0. A marriage to one's own ancestor would make a height
// depend on itself; such a loop is cut where it closes.
std::vector<int32_t> GenerationHeights(const TAhnenData& data, const TArrayOfBoolean& included,
                                       int64_t proband);

}  // namespace qv
