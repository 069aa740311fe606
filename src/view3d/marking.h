// The marked lines of descent from one ancestor down to the proband.
#pragma once

#include <cstdint>

#include "data/array_types.h"
#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

// True for person and every included descendant of it; all false when person is -1 or not
// in the scene.
TArrayOfBoolean MarkLinesOfDescent(const TAhnenData& data, const Scene3D& scene, int64_t person);

}  // namespace qv
