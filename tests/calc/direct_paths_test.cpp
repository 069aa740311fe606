// Direct-line counts against the Kekule numbering and an up-only brute force.
#include "calc/direct_paths.h"

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/kekule_lists.h"
#include "data/kekule.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::RandomPedigree;

TEST(DirectPaths, UpCountsAreKekuleNumbersPerGeneration)
{
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data = RandomPedigree(seed, 40);
        FamilyGraph graph(data);
        int32_t root = 39 - static_cast<int32_t>(seed % 3);
        DirectCounts direct = CountDirectPaths(graph, root);
        KekuleLists lists = ComputeKekuleLists(data, root);
        std::vector<int64_t> smallest = ComputeKekuleMin(graph, root);
        for (int32_t p = 0; p < graph.Size(); ++p) {
            SCOPED_TRACE(p);
            std::map<int64_t, int64_t> perGeneration;
            for (int64_t n : lists.Numbers[p]) ++perGeneration[KekuleGeneration(n)];
            for (int64_t g = 0; g < direct.Up[p].Size(); ++g)
                EXPECT_EQ(direct.Up[p][g], perGeneration[g]) << "generation " << g;
            EXPECT_EQ(direct.Up[p].Empty(), lists.Numbers[p].empty());
            EXPECT_EQ(smallest[p], lists.Numbers[p].empty() ? 0 : lists.Numbers[p][0]);
            EXPECT_TRUE(direct.Up[p].Empty() || direct.Down[p].Empty() || p == root);
        }
    }
}

TEST(DirectPaths, XCountsEqualUpOnlyXWalksAndXKekuleNumbers)
{
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        TAhnenData data = RandomPedigree(seed, 40);
        FamilyGraph graph(data);
        for (int32_t root : {39, 38, 37}) {
            SCOPED_TRACE(testing::Message() << seed << " root " << root);
            XCounts x = CountDirectXPaths(graph, root);
            KekuleLists lists = ComputeKekuleLists(data, root);
            int64_t lines = 0, xNumbers = -1;  // the root's own 1 has no line
            for (int32_t p = 0; p < graph.Size(); ++p) {
                lines += CountSum(x.X1[p]) + CountSum(x.X2[p]);
                xNumbers += static_cast<int64_t>(lists.XNumbers[p].size());
            }
            EXPECT_EQ(lines, xNumbers);
        }
    }
}

TEST(DirectPaths, XStartsFollowTheRootsSex)
{
    // Root 6 with father 4 (parents 0, 1) and mother 5 (parents 2, 3).
    for (char sex : {'M', 'F'}) {
        SCOPED_TRACE(sex);
        test::PedigreeBuilder b;
        int64_t ff = b.Add('M'), fm = b.Add('F'), mf = b.Add('M'), mm = b.Add('F');
        int64_t father = b.Add('M', ff, fm), mother = b.Add('F', mf, mm);
        int64_t root = b.Add(sex, father, mother);
        TAhnenData data = b.Build();
        XCounts x = CountDirectXPaths(FamilyGraph(data), static_cast<int32_t>(root));
        auto dense = [](const CountArray& a) { return a.ToArray(); };
        EXPECT_EQ(dense(x.X1[father]), sex == 'M' ? TArrayOfInt64{} : TArrayOfInt64{1});
        EXPECT_EQ(dense(x.X1[fm]), sex == 'M' ? TArrayOfInt64{} : TArrayOfInt64{1});
        EXPECT_TRUE(x.X1[ff].Empty());
        EXPECT_EQ(dense(x.X2[mother]), TArrayOfInt64{1});
        EXPECT_EQ(dense(x.X2[mf]), (TArrayOfInt64{0, 1}));
        EXPECT_EQ(dense(x.X2[mm]), (TArrayOfInt64{0, 1}));
    }
}

}  // namespace
}  // namespace qv
