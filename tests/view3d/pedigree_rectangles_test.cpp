#include "view3d/pedigree_rectangles.h"

#include <gtest/gtest.h>

#include "view3d/expect_near.h"

#include "small_pedigrees.h"
#include "view3d/scene_meshes.h"

namespace qv {
namespace {

using test::ExpectNear;

// Level 0 joins the parents along z, level 1 the grandparents along x: an H raised by level.
TEST(PedigreeRectangles, RightAnglesPlaceEachNodeOnItsParentsSeam)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::RightAngles);
    for (const auto& [person, node] : {std::pair{t.P, QVector3D(0.4f, 0, 0.4f)},
                                       {t.F, QVector3D(0.4f, 1, 0.2f)},
                                       {t.M, QVector3D(0.4f, 1, 0.6f)},
                                       {t.GF, QVector3D(0.2f, 2, 0.2f)},
                                       {t.GM, QVector3D(0.6f, 2, 0.2f)}}) {
        SCOPED_TRACE(person);
        ExpectNear(scene.NodePositions[person], node);
    }
    EXPECT_FLOAT_EQ(scene.Scale, 1);
    // The proband's rectangle is 0.8 × 0.8 with the node at its centre.
    EXPECT_FLOAT_EQ(scene.ZoomDistance, 0.8f);
    ExpectNear(scene.InitialFocus, QVector3D(0.4f, 1, 0.4f));
}

TEST(PedigreeRectangles, BlocksNestWithGaps)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::Blocks);
    for (const auto& [person, corner, size] :
         {std::tuple{t.P, QVector3D(0, 0, 0), QVector2D(1.8f, 1.8f)},
          {t.F, QVector3D(0.2f, 1, 0.2f), QVector2D(1.4f, 0.8f)},
          {t.M, QVector3D(0.4f, 1, 1.2f), QVector2D(0.4f, 0.4f)},
          {t.GF, QVector3D(0.4f, 2, 0.4f), QVector2D(0.4f, 0.4f)},
          {t.GM, QVector3D(1.0f, 2, 0.4f), QVector2D(0.4f, 0.4f)}}) {
        SCOPED_TRACE(person);
        ExpectNear(scene.NodePositions[person], corner);
        EXPECT_NEAR(scene.BlockSizes[person].x(), size.x(), 1e-5);
        EXPECT_NEAR(scene.BlockSizes[person].y(), size.y(), 1e-5);
    }
    EXPECT_FLOAT_EQ(scene.ZoomDistance, 1.8f);
    ExpectNear(scene.InitialFocus, QVector3D(0.9f, 1, 0.9f));

    // Boxes rise from the level of the child they stand on; the proband's from -1.
    const std::vector<float> boxes = BlockInstances(t.data, scene);
    ASSERT_EQ(boxes.size(), 5u * 9);
    auto expectBox = [&](int n, std::vector<float> expected) {
        SCOPED_TRACE(n);
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(boxes[9 * n + i], expected[i], 1e-5) << i;
    };
    expectBox(0, {0.4f, 1, 0.4f, 0, 0, 1, 0.4f, 1, 0.4f});  // GF: blue, on F's level
    expectBox(3, {0.4f, 0, 1.2f, 1, 0, 0, 0.4f, 1, 0.4f});  // M: red, on P's level
    expectBox(4, {0, -1, 0, 1, 0, 0, 1.8f, 1, 1.8f});       // P: from -1 up to 0
}

// In any ancestry the blocks of a person's owned parents lie inside its own block, a gap
// apart from its border and from each other.
TEST(PedigreeRectangles, ParentsBlocksStayInsideAndApart)
{
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE(seed);
        const TAhnenData data = test::RandomPedigree(seed, 80);
        const int64_t proband = int64_t(data.Persons.size()) - 1;
        const Scene3D scene = BuildScene(data, proband, DisplayType::Blocks);
        struct Box {
            float x0, z0, x1, z1;
        };
        auto boxOf = [&](int64_t p) {
            const QVector3D c = scene.NodePositions[p];
            return Box{c.x(), c.z(), c.x() + scene.BlockSizes[p].x(),
                       c.z() + scene.BlockSizes[p].y()};
        };
        const float g = scene.Gap - 1e-4f;
        for (size_t p = 0; p < data.Persons.size(); ++p) {
            if (!scene.Included[p] || int64_t(p) == proband) continue;
            const Box own = boxOf(int64_t(p)), below = boxOf(scene.LayoutChild[p]);
            EXPECT_GE(own.x0 - below.x0, g);
            EXPECT_GE(own.z0 - below.z0, g);
            EXPECT_GE(below.x1 - own.x1, g);
            EXPECT_GE(below.z1 - own.z1, g);
            const int64_t father = data.GetFather(scene.LayoutChild[p]);
            if (int64_t(p) == father) continue;
            if (father < 0 || scene.LayoutChild[father] != scene.LayoutChild[p]) continue;
            const Box other = boxOf(father);
            const bool apart = own.x0 - other.x1 >= g || other.x0 - own.x1 >= g ||
                               own.z0 - other.z1 >= g || other.z0 - own.z1 >= g;
            EXPECT_TRUE(apart) << "mother " << p << " and father " << father;
        }
    }
}

}  // namespace
}  // namespace qv
