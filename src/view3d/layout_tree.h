// Which child each ancestor stands above: the tree the 3D layouts walk.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "data/array_types.h"

namespace qv {

class TAhnenData;

// Every included person except the proband is owned by its layout child, the first of its
// children (in its Children order) that is included; so under pedigree collapse an ancestor
// is placed once, above the first of its children only.
struct LayoutTree {
    TArrayOfInt64 LayoutChild;  // -1 for the proband and excluded persons
    // Per person: the father and the mother it owns (-1 where that parent is missing or
    // owned by another child).
    std::vector<std::array<int64_t, 2>> OwnedParents;
    // The proband first, every owned parent after its owner, fathers' lines before mothers'.
    TArrayOfInt64 PreOrder;
};

LayoutTree BuildLayoutTree(const TAhnenData& data, const TArrayOfBoolean& included,
                           int64_t proband);

}  // namespace qv
