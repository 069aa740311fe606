// Sphere, tube and box models, the cone's bands, the stripe texture and instance arrays.
#include "view3d/scene_meshes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "data/ahnen_data.h"
#include "view3d/scene_colours.h"

namespace qv {
namespace {

constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;

void Append(std::vector<float>& out, const QVector3D& v)
{
    out.insert(out.end(), {v.x(), v.y(), v.z()});
}

// The ring vertex of a stack (-5 … 5) and slice, rotated about the vertical axis.
QVector3D SpherePoint(int stack, int slice)
{
    const float height = float(stack) / kSphereStacks;
    const float radius = std::sqrt(std::max(0.0f, 1 - height * height));
    const float angle = kTwoPi * float(slice) / kSphereSlices;
    return QVector3D(radius * std::cos(angle), height, -radius * std::sin(angle)) * kSphereRadius;
}

// Vertex number of (slice, stack): the poles have one vertex each.
uint32_t SphereIndex(int slice, int stack)
{
    if (stack == -kSphereStacks) return 0;
    if (stack == kSphereStacks) return uint32_t((2 * kSphereStacks - 1) * kSphereSlices + 1);
    return uint32_t(1 + slice % kSphereSlices + (stack + kSphereStacks - 1) * kSphereSlices);
}

void AddQuad(Mesh& mesh, uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    // Triangles whose corners coincide at a pole are left out.
    if (a != b) mesh.indices.insert(mesh.indices.end(), {a, b, c});
    if (c != d) mesh.indices.insert(mesh.indices.end(), {a, c, d});
}

}  // namespace

Mesh SphereMesh()
{
    Mesh mesh{6, {}, {}};
    auto vertex = [&](int stack, int slice) {
        const QVector3D p = SpherePoint(stack, slice);
        Append(mesh.vertices, p);
        Append(mesh.vertices, p.normalized());
    };
    vertex(-kSphereStacks, 0);
    for (int stack = 1 - kSphereStacks; stack < kSphereStacks; ++stack)
        for (int slice = 0; slice < kSphereSlices; ++slice) vertex(stack, slice);
    vertex(kSphereStacks, 0);
    for (int stack = -kSphereStacks; stack < kSphereStacks; ++stack)
        for (int slice = 0; slice < kSphereSlices; ++slice)
            AddQuad(mesh, SphereIndex(slice, stack), SphereIndex(slice + 1, stack),
                    SphereIndex(slice + 1, stack + 1), SphereIndex(slice, stack + 1));
    return mesh;
}

Mesh TubeMesh()
{
    Mesh mesh{3, {}, {}};
    for (int i = 0; i < kTubeSegments; ++i) {
        const float angle = kTwoPi * float(i) / kTubeSegments;
        for (float along : {0.0f, 1.0f})
            mesh.vertices.insert(mesh.vertices.end(), {std::cos(angle), std::sin(angle), along});
    }
    const uint32_t count = 2 * kTubeSegments;
    for (uint32_t i = 0; i < uint32_t(kTubeSegments); ++i) {
        const uint32_t a = 2 * i, b = 2 * i + 1, c = (2 * i + 3) % count, d = (2 * i + 2) % count;
        mesh.indices.insert(mesh.indices.end(), {a, b, c, a, c, d});
    }
    return mesh;
}

Mesh BoxMesh()
{
    Mesh mesh{6, {}, {}};
    // Each face: its outward normal and one edge direction; v = n × u makes the corners run
    // counter-clockwise seen from outside.
    const QVector3D faces[6][2] = {
        {{1, 0, 0}, {0, 1, 0}},  {{-1, 0, 0}, {0, 1, 0}}, {{0, 1, 0}, {0, 0, 1}},
        {{0, -1, 0}, {0, 0, 1}}, {{0, 0, 1}, {1, 0, 0}},  {{0, 0, -1}, {1, 0, 0}},
    };
    for (const auto& [normal, u] : faces) {
        const QVector3D v = QVector3D::crossProduct(normal, u);
        const QVector3D centre = QVector3D(0.5f, 0.5f, 0.5f) + normal * 0.5f;
        const uint32_t first = uint32_t(mesh.VertexCount());
        for (const auto& [su, sv] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
            Append(mesh.vertices, centre + 0.5f * (float(su) * u + float(sv) * v));
            Append(mesh.vertices, normal);
        }
        AddQuad(mesh, first, first + 1, first + 2, first + 3);
    }
    return mesh;
}

std::vector<BandStrip> GenerationBands(const Scene3D& scene)
{
    std::vector<BandStrip> bands;
    const float s = scene.Scale;
    for (int i = 1; i <= scene.MaxLevel + 1; ++i) {
        const float outer = s * (float(i) - 0.5f);
        const float inner = s * std::max(float(i) - 1.5f, 0.0f);
        const bool even = i % 2 == 0;
        const float colour[4] = {even ? 0.65f : 1, even ? 0.75f : 1, 1, even ? 0.25f : 0};
        BandStrip band;
        for (int step = 0; step <= 100; ++step) {
            const float angle = kTwoPi * float(step) / 100;
            for (float radius : {outer, inner}) {
                Append(band.vertices, QVector3D(radius * std::cos(angle), radius - 0.5f,
                                                radius * std::sin(angle)));
                band.vertices.insert(band.vertices.end(), colour, colour + 4);
            }
        }
        bands.push_back(std::move(band));
    }
    return bands;
}

std::vector<uint8_t> StripeTexels()
{
    std::vector<uint8_t> texels(64);
    for (int i = 0; i < 64; ++i) {
        const double wave = std::sin(2 * std::numbers::pi * i / 64) * 0.5 + 0.5;
        texels[i] = uint8_t(std::floor((wave * 0.25 + 0.75) * 255));
    }
    return texels;
}

std::vector<float> NodeInstances(const TAhnenData& data, const Scene3D& scene,
                                 const TArrayOfBoolean* only)
{
    std::vector<float> instances;
    for (size_t p = 0; p < scene.Included.size(); ++p) {
        if (!scene.Included[p] || (only && !(*only)[p])) continue;
        Append(instances, scene.NodePositions[p]);
        Append(instances, NodeColour(data.Persons[p].Sex));
    }
    return instances;
}

std::vector<float> TubeInstances(const std::vector<Tube>& tubes)
{
    std::vector<float> instances;
    instances.reserve(tubes.size() * 6);
    for (const Tube& tube : tubes) {
        Append(instances, tube.from);
        Append(instances, tube.to);
    }
    return instances;
}

std::vector<float> BlockInstances(const TAhnenData& data, const Scene3D& scene,
                                  const TArrayOfBoolean* only)
{
    std::vector<float> instances;
    for (size_t p = 0; p < scene.Included.size(); ++p) {
        if (!scene.Included[p] || (only && !(*only)[p])) continue;
        const int64_t child = scene.LayoutChild[p];
        const float bottom = child >= 0 ? float(scene.Level[child]) : -1.0f;
        const float top = float(scene.Level[p]);
        const QVector3D node = scene.NodePositions[p];
        Append(instances, QVector3D(node.x(), bottom, node.z()));
        Append(instances, NodeColour(data.Persons[p].Sex));
        Append(instances,
               QVector3D(scene.BlockSizes[p].x(), top - bottom, scene.BlockSizes[p].y()));
    }
    return instances;
}

}  // namespace qv
