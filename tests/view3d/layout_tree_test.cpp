#include "view3d/layout_tree.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "small_pedigrees.h"
#include "view3d/ancestry_levels.h"

namespace qv {
namespace {

TEST(LayoutTree, ASharedAncestorIsOwnedByItsFirstChildOnly)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const LayoutTree tree = BuildLayoutTree(s.data, IncludedAncestry(s.data, s.P), s.P);
    EXPECT_EQ(tree.LayoutChild[s.X], s.F);
    EXPECT_EQ(tree.LayoutChild[s.Y], s.F);
    EXPECT_EQ(tree.LayoutChild[s.P], -1);
    EXPECT_EQ(tree.OwnedParents[s.F], (std::array<int64_t, 2>{s.X, s.Y}));
    EXPECT_EQ(tree.OwnedParents[s.M], (std::array<int64_t, 2>{-1, -1}));
    EXPECT_EQ(tree.PreOrder, (TArrayOfInt64{s.P, s.F, s.X, s.Y, s.M}));
}

TEST(LayoutTree, ChildrenOutsideTheSceneOwnNobody)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const LayoutTree tree = BuildLayoutTree(t.data, IncludedAncestry(t.data, t.P), t.P);
    // F's first child is P (S comes later and is not shown anyway).
    EXPECT_EQ(tree.LayoutChild[t.F], t.P);
    EXPECT_EQ(tree.LayoutChild[t.S], -1);
    EXPECT_EQ(tree.OwnedParents[t.P], (std::array<int64_t, 2>{t.F, t.M}));
    EXPECT_EQ(tree.OwnedParents[t.S], (std::array<int64_t, 2>{-1, -1}));
}

// A family whose husband and wife are one person: placed once, as the father.
TEST(LayoutTree, OnePersonAsBothParentsIsPlacedOnce)
{
    test::PedigreeBuilder b;
    const int64_t grand = b.Add('M');
    const int64_t both = b.Add('U', grand, grand);
    const int64_t proband = b.Add('F', both, both);
    const TAhnenData data = b.Build();
    const LayoutTree tree = BuildLayoutTree(data, IncludedAncestry(data, proband), proband);
    EXPECT_EQ(tree.OwnedParents[proband], (std::array<int64_t, 2>{both, -1}));
    EXPECT_EQ(tree.PreOrder, (TArrayOfInt64{proband, both, grand}));
}

TEST(LayoutTree, EveryIncludedPersonIsPlacedExactlyOnceInCollapsedPedigrees)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        const TAhnenData data = test::CollapsedPedigree(seed, 60);
        const int64_t proband = int64_t(data.Persons.size()) - 1;
        const TArrayOfBoolean included = IncludedAncestry(data, proband);
        const LayoutTree tree = BuildLayoutTree(data, included, proband);
        TArrayOfInt64 order = tree.PreOrder;
        std::sort(order.begin(), order.end());
        TArrayOfInt64 expected;
        for (size_t p = 0; p < included.size(); ++p)
            if (included[p]) expected.push_back(int64_t(p));
        EXPECT_EQ(order, expected);
    }
}

}  // namespace
}  // namespace qv
