// TTree: the descendant tree's structure, each descendant with the partners it has children
// with, in rows of equal depth.
#pragma once

#include <cstdint>
#include <vector>

#include "app/image_settings.h"
#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

struct TTree_Node {
    int32_t Person = -1;
    // The row below the proband.
    int32_t Depth = -1;
    // Nodes hung below this one, left to right.
    std::vector<int32_t> Children;
    // The children that have this node as their only parent in the tree.
    std::vector<int32_t> OwnChildren;
    int32_t Parent = -1;
};

struct TTree {
    // Nodes[0] is the root, the proband; a parent comes before its children.
    std::vector<TTree_Node> Nodes;
    // Per person, -1 when the person has no node.
    std::vector<int32_t> NodeOf;

    const TTree_Node& Root() const { return Nodes[0]; }
    // 1 + the largest depth.
    int32_t RowCount() const;
};

// Builds the tree of the persons the settings select below the proband, cut at the depth
// limit: AT_TREE_MAX_GEN_DESCENDANT rows, counted from the node of limitFrom when that is
// given (the user's proband inside the collateral-relatives copy). Persons cut off are
// cleared in drawn.
TTree BuildDescendantTree(const TAhnenData& data, int64_t proband, const TImageSettings& settings,
                          int64_t limitFrom, TArrayOfBoolean& drawn);

}  // namespace qv
