#include "view3d/connections.h"

#include <cmath>

#include <gtest/gtest.h>

#include "small_pedigrees.h"

namespace qv {
namespace {

// One family of husband H, wife W and a child C, placed by hand.
struct Couple {
    TAhnenData data;
    Scene3D scene;
};

Couple PlacedCouple(QVector3D husband, QVector3D wife, QVector3D child)
{
    test::PedigreeBuilder b;
    b.Add('M');
    b.Add('F');
    b.Add('F', 0, 1);
    Couple couple{b.Build(), {}};
    couple.scene.Included = {true, true, true};
    couple.scene.NodePositions = {husband, wife, child};
    return couple;
}

TEST(Connections, TheFamilyPointLiesAboveTheChildrenButNotTooCloseToASpouse)
{
    struct Case {
        const char* what;
        QVector3D husband, wife, child, point;
    };
    const Case cases[] = {
        {"above the child", {0, 1, 0}, {2, 1, 0}, {1.5f, 0, 0}, {1.5f, 1, 0}},
        {"0.3 from the husband", {0, 1, 0}, {2, 1, 0}, {-5, 0, 0}, {0.3f, 1, 0}},
        {"0.3 from the wife", {0, 1, 0}, {2, 1, 0}, {1.9f, 0, 0}, {1.7f, 1, 0}},
        {"halfway when close", {0, 1, 0}, {0.4f, 1, 0}, {0, 0, 0}, {0.2f, 1, 0}},
        {"spouses at one spot", {1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Couple couple = PlacedCouple(c.husband, c.wife, c.child);
        const std::optional<QVector3D> point = FamilyPoint(couple.data, couple.scene, 0);
        ASSERT_TRUE(point.has_value());
        EXPECT_NEAR(point->x(), c.point.x(), 1e-5);
        EXPECT_NEAR(point->y(), c.point.y(), 1e-5);
        EXPECT_NEAR(point->z(), c.point.z(), 1e-5);
    }
}

TEST(Connections, WithOneParentShownThePointIsThatParentsNode)
{
    Couple couple = PlacedCouple({0, 1, 0}, {2, 1, 0}, {1, 0, 0});
    couple.scene.Included = {false, true, true};
    EXPECT_EQ(FamilyPoint(couple.data, couple.scene, 0), QVector3D(2, 1, 0));
    couple.scene.Included = {false, false, true};
    EXPECT_FALSE(FamilyPoint(couple.data, couple.scene, 0).has_value());
    EXPECT_FALSE(FamilyPoint(couple.data, couple.scene, -1).has_value());
}

TEST(Connections, TubesRunFromTheSpousesToThePointAndOnToEachChild)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const Scene3D scene = BuildScene(s.data, s.P, DisplayType::RightAngles);
    const std::vector<FamilyConnection> connections = Connections(s.data, scene);
    ASSERT_EQ(connections.size(), 2u);
    // X and Y's family comes first: one node each, joined to both children.
    EXPECT_EQ(connections[0].IncludedChildren, (TArrayOfInt64{s.F, s.M}));
    const std::vector<Tube> tubes = TubesOf(s.data, scene, connections[0]);
    const QVector3D point = connections[0].Point;
    ASSERT_EQ(tubes.size(), 4u);
    EXPECT_EQ(tubes[0].from, scene.NodePositions[s.X]);
    EXPECT_EQ(tubes[1].from, scene.NodePositions[s.Y]);
    EXPECT_EQ(tubes[2].to, scene.NodePositions[s.F]);
    EXPECT_EQ(tubes[3].to, scene.NodePositions[s.M]);
    for (const Tube& tube : tubes) EXPECT_TRUE(tube.from == point || tube.to == point);

    TArrayOfBoolean marked(s.data.Persons.size(), false);
    marked[s.M] = marked[s.P] = true;
    const std::vector<Tube> markedTubes = MarkedTubes(s.data, scene, connections, marked);
    ASSERT_EQ(markedTubes.size(), 2u) << "from M to her family point, and on to P";
    EXPECT_EQ(markedTubes[0].from, scene.NodePositions[s.M]);
    EXPECT_EQ(markedTubes[1].to, scene.NodePositions[s.P]);
}

}  // namespace
}  // namespace qv
