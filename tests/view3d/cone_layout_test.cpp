#include "view3d/cone_layout.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "view3d/expect_near.h"

#include "small_pedigrees.h"
#include "view3d/scene_meshes.h"

namespace qv {
namespace {

using test::ExpectNear;

TEST(ConeLayout, ALoneProbandSitsAtTheOriginSeenFromAfar)
{
    test::PedigreeBuilder b;
    b.Add('F');
    const TAhnenData data = b.Build();
    const Scene3D scene = BuildScene(data, 0, DisplayType::Cone);
    EXPECT_EQ(scene.MaxLevel, 0);
    ExpectNear(scene.NodePositions[0], QVector3D(0, 0, 0));
    // Scale × 2.5 × 0 would put the camera inside the node.
    EXPECT_FLOAT_EQ(scene.ZoomDistance, 1.0f);
    EXPECT_EQ(GenerationBands(scene).size(), 1u);
}

TEST(ConeLayout, ParentsShareTheCircleByWeight)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::Cone);
    // F weighs max(1, 1/2 + 1/2) = 1 like M: the halves [0, π] and [π, 2π]; F's parents
    // the quarters of his half, at radius = height = 2 × Scale.
    EXPECT_FLOAT_EQ(scene.Scale, 0.5f);
    const double pi = std::numbers::pi;
    auto at = [&](double level, double angle) {
        return QVector3D(float(level * std::cos(angle)), float(level),
                         float(level * std::sin(angle))) *
               0.5f;
    };
    ExpectNear(scene.NodePositions[t.GF], at(2, pi / 4));
    ExpectNear(scene.NodePositions[t.GM], at(2, 3 * pi / 4));
    ExpectNear(scene.NodePositions[t.F], at(1, pi / 2));
    ExpectNear(scene.NodePositions[t.M], at(1, 3 * pi / 2));
    ExpectNear(scene.NodePositions[t.P], QVector3D(0, 0, 0));
    EXPECT_FLOAT_EQ(scene.ZoomDistance, 0.5f * 2.5f * 2);
    ExpectNear(scene.InitialFocus, QVector3D(0, 0.5f, 0));
}

// Six full generations: 64 sectors of 2π/64 at height 6 are narrower than 0.3 at scale 0.5.
TEST(ConeLayout, NarrowSectorsWidenTheWholeCone)
{
    test::PedigreeBuilder full;
    std::vector<int64_t> top;
    for (int i = 0; i < 64; ++i) top.push_back(full.Add(i % 2 ? 'F' : 'M'));
    while (top.size() > 1) {
        std::vector<int64_t> below;
        for (size_t i = 0; i < top.size(); i += 2)
            below.push_back(full.Add(below.size() % 2 ? 'F' : 'M', top[i], top[i + 1]));
        top = below;
    }
    const TAhnenData data = full.Build();
    const Scene3D scene = BuildScene(data, top[0], DisplayType::Cone);
    EXPECT_EQ(scene.MaxLevel, 6);
    const double expected = 0.3 / (6 * 2 * std::numbers::pi / 64);
    EXPECT_NEAR(scene.Scale, expected, 1e-5);
    // Neighbours on the top level are now exactly 0.3 apart along the circle.
    const QVector3D a = scene.NodePositions[0], c = scene.NodePositions[1];
    const double radius = 6 * scene.Scale;
    const double angle = std::acos(QVector3D::dotProduct(QVector3D(a.x(), 0, a.z()).normalized(),
                                                         QVector3D(c.x(), 0, c.z()).normalized()));
    EXPECT_NEAR(radius * angle, 0.3, 1e-4);
}

TEST(ConeLayout, ASharedAncestorStandsAboveItsFirstChild)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const Scene3D scene = BuildScene(s.data, s.P, DisplayType::Cone);
    // F owns both X and Y; his half of the circle is split between them.
    const QVector3D x = scene.NodePositions[s.X], f = scene.NodePositions[s.F];
    EXPECT_GT(x.z(), 0);
    EXPECT_GT(f.z(), 0) << "F's half is [0, π]";
    EXPECT_LT(scene.NodePositions[s.M].z(), 0);
    EXPECT_FLOAT_EQ(x.y(), 2 * scene.Scale);
}

}  // namespace
}  // namespace qv
