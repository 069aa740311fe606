// The GLSL programs of the 3D viewer (OpenGL 3.3 core profile).
#pragma once

namespace qv::shaders {

// Lit meshes drawn per instance: spheres at the nodes and boxes under the blocks.
extern const char* const kLitVertex;
extern const char* const kLitFragment;
// Tubes bent between the two ends of each instance, shaded and striped along their length.
extern const char* const kTubeVertex;
extern const char* const kTubeFragment;
// Plain coloured vertices: node points and generation bands.
extern const char* const kColourVertex;
extern const char* const kColourFragment;
// One colour over the whole view: the dimming overlay.
extern const char* const kOverlayVertex;
extern const char* const kOverlayFragment;
// A texture over the whole view: the supersampled frame scaled down.
extern const char* const kCopyVertex;
extern const char* const kCopyFragment;
// A name label facing the camera.
extern const char* const kLabelVertex;
extern const char* const kLabelFragment;

}  // namespace qv::shaders
