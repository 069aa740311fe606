// Display type 1, "Kreis/Kegel": the ancestry on a cone around the vertical axis.
#pragma once

#include "view3d/layout_tree.h"
#include "view3d/scene_3d.h"

namespace qv {

// Places every included person at radius = height = its level, in an angular sector shared
// among its owned parents by weight; then scales the cone so that neighbours on a level keep
// their distance. Sets NodePositions, Scale and ZoomDistance.
void LayOutCone(Scene3D& scene, const LayoutTree& tree);

}  // namespace qv
