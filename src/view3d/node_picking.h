// Which node of the 3D scene lies under the cursor.
#pragma once

#include <cstdint>

#include "view3d/camera_3d.h"
#include "view3d/scene_3d.h"

namespace qv {

// Nodes are hit within this radius, a little more than the drawn sphere.
inline constexpr float kNodePickRadius = 0.15f;

// The included person whose node the ray hits nearest to its origin, or -1.
int64_t PickNode(const Scene3D& scene, const Ray& ray);

}  // namespace qv
