// X Kekule numbers and the smallest Kekule number with the 62-generation cut.
#include "calc/kekule_lists.h"

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "data/ahnen_data.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

TEST(KekuleLists, XNumbersFollowTheStepsAndTheRootsSex)
{
    struct Case {
        int64_t n;
        bool male;
        bool female;
    } cases[] = {{1, true, true},        {2, false, true}, {3, true, true},   {4, false, false},
                 {5, false, true},       {6, true, true},  {7, true, true},   {12, false, false},
                 {10, false, true},      {13, true, true}, {0, false, false}, {-3, false, false},
                 {INT64_MAX, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(IsXKekule(true, c.n), c.male);
        EXPECT_EQ(IsXKekule(false, c.n), c.female);
    }
}

TEST(KekuleLists, SmallestNumberStopsAtGeneration62)
{
    // Person i is the father of person i - 1; root 0 has 70 generations of ancestors.
    TAhnenData data(71, 70);
    for (int64_t i = 0; i < 70; ++i) {
        data.Persons[i].ParentFamily = static_cast<int32_t>(i);
        data.Families[i].Husband = i + 1;
    }
    data.LinkFamilies();
    std::vector<int64_t> smallest = ComputeKekuleMin(FamilyGraph(data), 0);
    EXPECT_EQ(smallest[0], 1);
    EXPECT_EQ(smallest[3], 8);
    EXPECT_EQ(smallest[62], int64_t{1} << 62);
    EXPECT_EQ(smallest[63], 0);
    EXPECT_EQ(smallest[70], 0);
}

TEST(KekuleLists, ListsHoldTheXSubsetInOrder)
{
    // Root 4 (male) with parents 2, 3; 2's parents 0 and 1, who are also 3's parents.
    test::PedigreeBuilder b;
    int64_t gf = b.Add('M'), gm = b.Add('F');
    int64_t father = b.Add('M', gf, gm), mother = b.Add('F', gf, gm);
    int64_t root = b.Add('M', father, mother);
    KekuleLists lists = ComputeKekuleLists(b.Build(), root);
    EXPECT_EQ(lists.Numbers[gf], (TArrayOfInt64{4, 6}));
    EXPECT_EQ(lists.XNumbers[gf], (TArrayOfInt64{6}));
    EXPECT_EQ(lists.XNumbers[gm], (TArrayOfInt64{7}));
    EXPECT_EQ(lists.XNumbers[father], TArrayOfInt64{});
    EXPECT_EQ(lists.XNumbers[root], (TArrayOfInt64{1}));
}

}  // namespace
}  // namespace qv
