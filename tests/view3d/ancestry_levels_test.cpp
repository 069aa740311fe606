#include "view3d/ancestry_levels.h"

#include <gtest/gtest.h>

#include "small_pedigrees.h"
#include "view3d/scene_3d.h"

namespace qv {
namespace {

TEST(AncestryLevels, IncludesTheProbandAndItsAncestorsOnly)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const TArrayOfBoolean included = IncludedAncestry(t.data, t.P);
    for (const auto& [person, expected] : {std::pair{t.GF, true},
                                           {t.GM, true},
                                           {t.F, true},
                                           {t.M, true},
                                           {t.P, true},
                                           {t.S, false},
                                           {t.C, false}}) {
        SCOPED_TRACE(person);
        EXPECT_EQ(included[person], expected);
    }
}

TEST(AncestryLevels, CountGenerationsAboveTheProband)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const std::vector<int32_t> level =
        GenerationHeights(t.data, IncludedAncestry(t.data, t.P), t.P);
    // The proband's child and sibling are outside the scene and stay at 0.
    const std::vector<int32_t> expected{2, 2, 1, 1, 0, 0, 0};
    EXPECT_EQ(level, expected);
}

// A has children by B (the father's line) and by C (a line one generation longer): all three
// spouses take the larger height.
TEST(AncestryLevels, SpousesShareTheHighestLevel)
{
    test::PedigreeBuilder b;
    const int64_t a = b.Add('M'), wife1 = b.Add('F'), wife2 = b.Add('F');
    const int64_t father = b.Add('M', a, wife1);
    const int64_t grandfather = b.Add('M', a, wife2);
    const int64_t mother = b.Add('F', grandfather, -1);
    const int64_t proband = b.Add('M', father, mother);
    const TAhnenData data = b.Build();
    const std::vector<int32_t> level =
        GenerationHeights(data, IncludedAncestry(data, proband), proband);
    EXPECT_EQ(level[mother], 1);
    EXPECT_EQ(level[grandfather], 2);
    EXPECT_EQ(level[father], 1);
    EXPECT_EQ(level[a], 3);
    EXPECT_EQ(level[wife1], 3) << "only her son's line gives 2, but she is A's wife";
    EXPECT_EQ(level[wife2], 3);
}

// A father married to his own daughter makes her height depend on itself; the loop is cut
// instead of recursing forever.
TEST(AncestryLevels, MarriageToOnesOwnChildEnds)
{
    test::PedigreeBuilder b;
    const int64_t father = b.Add('M'), mother = b.Add('F');
    const int64_t daughter = b.Add('F', father, mother);
    const int64_t proband = b.Add('M', father, daughter);
    const TAhnenData data = b.Build();
    const std::vector<int32_t> level =
        GenerationHeights(data, IncludedAncestry(data, proband), proband);
    EXPECT_EQ(level[proband], 0);
    EXPECT_EQ(level[daughter], 1);
    EXPECT_EQ(level[father], 1);
    EXPECT_EQ(level[mother], 1);
}

// 50,000 generations in one line: walked with explicit stacks, no deep recursion.
TEST(AncestryLevels, VeryLongLinesNeedNoRecursion)
{
    test::PedigreeBuilder b;
    int64_t person = b.Add('M');
    for (int g = 0; g < 50000; ++g) person = b.Add(g % 2 ? 'M' : 'F', person, -1);
    const TAhnenData data = b.Build();
    for (DisplayType type : {DisplayType::Cone, DisplayType::RightAngles, DisplayType::Blocks}) {
        const Scene3D scene = BuildScene(data, person, type);
        EXPECT_EQ(scene.MaxLevel, 50000);
        EXPECT_EQ(scene.Level[0], 50000);
    }
}

}  // namespace
}  // namespace qv
