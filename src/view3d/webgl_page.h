// The 3D scene as one self-contained HTML page with a WebGL script.
#pragma once

#include <string>
#include <vector>

#include "data/array_types.h"
#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

// Vertices the page lets one buffer reach before it closes it (16-bit indices).
inline constexpr int kPageBufferLimit = 65000;

// The page's lines, trimmed of surrounding white space and control characters. The scene
// must be of display type 1 or 2.
TArrayOfString WebGlPageLines(const TAhnenData& data, const Scene3D& scene);

// Writes the lines with CR LF, under a temporary name renamed at the end; throws Error when
// the file cannot be written.
void WriteWebGlPage(const TAhnenData& data, const Scene3D& scene, const std::string& path);

}  // namespace qv
