// TTetris: the packing of the descendant tree, one packing per node's subtree.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/descendant_tree.h"
#include "data/ahnen_data.h"

namespace qv {

// Where a node's subtree landed: its own left edge inside its packing, the packing's shift
// inside the parent's packing, and the packing's extent across.
struct TTetris {
    int32_t NodeX = 0;
    int32_t Offset = 0;
    int32_t Width = 0;
};

struct DescendantPackingInput {
    const TAhnenData& Data;
    const TTree& Tree;
    // Per node: the slot across.
    const std::vector<int32_t>& SlotAcross;
    // max(3r, NODE_WIDTH): the smallest distance across.
    int32_t MinDistance;
};

// Packs every subtree, children before parents, side by side along per-row contours. A
// contour lives only until its parent has taken it in, and spans only the subtree's rows.
std::vector<TTetris> PackDescendantTree(const DescendantPackingInput& input);

// Per node: its left edge across in the whole tree (NodeX plus the offsets up to the root).
std::vector<int32_t> NodeLeftEdges(const TTree& tree, const std::vector<TTetris>& packings);

}  // namespace qv
