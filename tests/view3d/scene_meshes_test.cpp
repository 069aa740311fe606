#include "view3d/scene_meshes.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "small_pedigrees.h"

namespace qv {
namespace {

QVector3D VertexAt(const Mesh& mesh, uint32_t index)
{
    const float* v = &mesh.vertices[size_t(index) * mesh.stride];
    return {v[0], v[1], v[2]};
}

// Every triangle turns counter-clockwise seen from outside, so back faces can be culled.
void ExpectOutwardTriangles(const Mesh& mesh, const QVector3D& centre)
{
    ASSERT_EQ(mesh.indices.size() % 3, 0u);
    for (size_t t = 0; t < mesh.indices.size(); t += 3) {
        const QVector3D a = VertexAt(mesh, mesh.indices[t]),
                        b = VertexAt(mesh, mesh.indices[t + 1]),
                        c = VertexAt(mesh, mesh.indices[t + 2]);
        const QVector3D normal = QVector3D::crossProduct(b - a, c - a);
        EXPECT_GT(normal.length(), 0) << "degenerate triangle " << t / 3;
        EXPECT_GT(QVector3D::dotProduct(normal, (a + b + c) / 3 - centre), 0)
            << "triangle " << t / 3;
    }
}

TEST(SceneMeshes, TheSphereHas92VerticesAndFacesOutward)
{
    const Mesh sphere = SphereMesh();
    ASSERT_EQ(sphere.VertexCount(), 92);
    for (int i = 0; i < sphere.VertexCount(); ++i) {
        const QVector3D p = VertexAt(sphere, i);
        const QVector3D n(sphere.vertices[i * 6 + 3], sphere.vertices[i * 6 + 4],
                          sphere.vertices[i * 6 + 5]);
        EXPECT_NEAR(p.length(), kSphereRadius, 1e-6);
        EXPECT_NEAR((n - p / kSphereRadius).length(), 0, 1e-5);
    }
    // 10 × 10 quads less the 20 triangles that would collapse at the poles.
    EXPECT_EQ(sphere.indices.size(), 180u * 3);
    ExpectOutwardTriangles(sphere, {0, 0, 0});
}

TEST(SceneMeshes, TheBoxSpansTheUnitCubeAndFacesOutward)
{
    const Mesh box = BoxMesh();
    EXPECT_EQ(box.VertexCount(), 24);
    EXPECT_EQ(box.indices.size(), 36u);
    for (int i = 0; i < box.VertexCount(); ++i) {
        const QVector3D p = VertexAt(box, i);
        for (float c : {p.x(), p.y(), p.z()}) EXPECT_TRUE(c == 0 || c == 1) << c;
    }
    ExpectOutwardTriangles(box, {0.5f, 0.5f, 0.5f});
}

TEST(SceneMeshes, TheTubeJoinsItsTenSegmentsAllAround)
{
    const Mesh tube = TubeMesh();
    EXPECT_EQ(tube.VertexCount(), 20);
    EXPECT_EQ(tube.indices.size(), 20u * 3);
    std::vector<int> uses(20, 0);
    for (uint32_t index : tube.indices) ++uses.at(index);
    EXPECT_TRUE(std::all_of(uses.begin(), uses.end(), [](int n) { return n == 3; }));
}

TEST(SceneMeshes, StripesFollowOneSinePeriod)
{
    const std::vector<uint8_t> texels = StripeTexels();
    ASSERT_EQ(texels.size(), 64u);
    EXPECT_EQ(texels[0], 223);   // (0.5 × 0.25 + 0.75) × 255 = 223.1
    EXPECT_EQ(texels[16], 255);  // the crest
    EXPECT_EQ(texels[48], 191);  // the trough: 0.75 × 255 = 191.25
    EXPECT_EQ(*std::min_element(texels.begin(), texels.end()), 191);
}

TEST(SceneMeshes, BandsRingTheConeOnePerLevelAndOneMore)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::Cone);
    const std::vector<BandStrip> bands = GenerationBands(scene);
    ASSERT_EQ(bands.size(), 3u);
    for (size_t i = 0; i < bands.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bands[i].vertices.size(), 202u * 7) << "101 steps, two rings";
        EXPECT_FLOAT_EQ(bands[i].vertices[6], i % 2 == 0 ? 0.0f : 0.25f) << "odd bands invisible";
    }
    // Band 1 runs from radius 0.25 at height -0.25 to the axis at height -0.5.
    EXPECT_FLOAT_EQ(bands[0].vertices[0], 0.25f);
    EXPECT_FLOAT_EQ(bands[0].vertices[1], -0.25f);
    EXPECT_FLOAT_EQ(bands[0].vertices[7], 0.0f);
    EXPECT_FLOAT_EQ(bands[0].vertices[8], -0.5f);
}

TEST(SceneMeshes, NodeInstancesCarryPositionAndSexColour)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::RightAngles);
    const std::vector<float> nodes = NodeInstances(t.data, scene);
    ASSERT_EQ(nodes.size(), 5u * 6) << "only the persons in the scene";
    EXPECT_EQ(std::vector<float>(nodes.begin() + 3, nodes.begin() + 6),
              (std::vector<float>{0, 0, 1}));
    TArrayOfBoolean only(t.data.Persons.size(), false);
    only[t.M] = true;
    const std::vector<float> marked = NodeInstances(t.data, scene, &only);
    ASSERT_EQ(marked.size(), 6u);
    EXPECT_EQ(std::vector<float>(marked.begin() + 3, marked.end()), (std::vector<float>{1, 0, 0}));
}

}  // namespace
}  // namespace qv
