// The vertex models of the 3D viewer, built once as plain arrays for the graphics card.
#pragma once

#include <cstdint>
#include <vector>

#include "view3d/connections.h"
#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

inline constexpr int kSphereStacks = 5;  // per hemisphere
inline constexpr int kSphereSlices = 10;
inline constexpr float kSphereRadius = 0.1f;
inline constexpr int kTubeSegments = 10;
inline constexpr float kTubeRadius = 0.05f;

// Interleaved floats, `stride` per vertex, and triangles as index triples.
struct Mesh {
    int stride = 0;
    std::vector<float> vertices;
    std::vector<uint32_t> indices;
    int VertexCount() const { return stride > 0 ? int(vertices.size()) / stride : 0; }
};

// Position and outward normal: the two poles and 2 × stacks - 1 rings equally spaced in
// height, (2 × 5 - 1) × 10 + 2 = 92 vertices.
Mesh SphereMesh();
// Per vertex (cos θ, sin θ, t): the angle around a tube and the place along it (0 start,
// 1 end); the vertex shader bends it between the two ends of each tube.
Mesh TubeMesh();
// The unit cube from (0, 0, 0) to (1, 1, 1): position and normal, four vertices per face.
Mesh BoxMesh();

// The generation bands of the cone: per ring i = 1 .. MaxLevel + 1 a closed strip of 101
// steps, position and RGBA; odd rings fully transparent white, even ones light blue.
struct BandStrip {
    std::vector<float> vertices;  // x, y, z, r, g, b, a
};
std::vector<BandStrip> GenerationBands(const Scene3D& scene);

// 64 luminance texels, one period of a sine between 191 and 255: stripes along the tubes.
std::vector<uint8_t> StripeTexels();

// Per included person: node position and colour (x, y, z, r, g, b), for the sphere and point
// instances; only the persons where `only` is true when it is given.
std::vector<float> NodeInstances(const TAhnenData& data, const Scene3D& scene,
                                 const TArrayOfBoolean* only = nullptr);
// Per tube: its two ends (6 floats).
std::vector<float> TubeInstances(const std::vector<Tube>& tubes);
// Per included person: the box under its block, from its layout child's level (the
// proband: -1) up to its own, as minimum corner, colour and size (9 floats).
std::vector<float> BlockInstances(const TAhnenData& data, const Scene3D& scene,
                                  const TArrayOfBoolean* only = nullptr);

}  // namespace qv
