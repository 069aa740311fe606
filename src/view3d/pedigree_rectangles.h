// Display types 2 and 3: the ancestry as nested rectangles in the horizontal plane.
#pragma once

#include "view3d/layout_tree.h"
#include "view3d/scene_3d.h"

namespace qv {

// "rechtwinklige Linien": each person's node sits on the seam between its parents'
// rectangles, joined along x on odd levels and along z on even ones, raised to its level.
void LayOutRightAngles(Scene3D& scene, const LayoutTree& tree);

// "Blöcke": the same nesting with Gap between and around the blocks; the node is the
// block's corner and BlockSizes its extent.
void LayOutBlocks(Scene3D& scene, const LayoutTree& tree);

}  // namespace qv
