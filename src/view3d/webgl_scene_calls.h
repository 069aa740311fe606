// The generated part of the WebGL page's init(): spheres and one call per connection, split
// into buffers that 16-bit indices can address.
#pragma once

#include "data/array_types.h"
#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

// Vertices of one sphere and of one tube as the page's script builds them.
int SphereVertexCount();
int TubeVertexCount();

TArrayOfString WebGlSceneCalls(const TAhnenData& data, const Scene3D& scene);

}  // namespace qv
