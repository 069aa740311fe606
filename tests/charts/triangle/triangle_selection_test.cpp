// Which persons the triangle diagram shows for each tree type.
#include "charts/triangle/triangle_selection.h"

#include <gtest/gtest.h>

#include "calc/pedigree_builder.h"

namespace qv {
namespace {

// The proband P is the child of first cousins F and M, whose fathers A and B are brothers
// (sons of G1 and G2). A's wife W1 has a father W0; B's wife W2 has no parents. P has a
// sibling S, a child C with an unrelated partner Q, and C a child K.
struct CousinFamily {
    test::PedigreeBuilder b;
    int64_t g1 = b.Add('M'), g2 = b.Add('F');
    int64_t a = b.Add('M', g1, g2), bb = b.Add('M', g1, g2);
    int64_t w0 = b.Add('M'), w1 = b.Add('F', w0), w2 = b.Add('F');
    int64_t f = b.Add('M', a, w1), m = b.Add('F', bb, w2);
    int64_t p = b.Add('F', f, m), s = b.Add('M', f, m);
    int64_t q = b.Add('M'), c = b.Add('M', q, p), k = b.Add('F', c);
    TAhnenData data = b.Build();
};

TEST(TriangleSelection, CompleteShowsAncestorsAndDescendantsWithTheProbandAmongDescendants)
{
    CousinFamily family;
    const TriangleSides sides = SelectTriangleSides(family.data, family.p, 0, SelectionState());
    for (int64_t ancestor : {family.g1, family.g2, family.a, family.bb, family.w0, family.w1,
                             family.w2, family.f, family.m})
        EXPECT_EQ(sides[ancestor], 1) << ancestor;
    EXPECT_EQ(sides[family.p], -1);
    EXPECT_EQ(sides[family.c], -1);
    EXPECT_EQ(sides[family.k], -1);
    EXPECT_EQ(sides[family.s], 0) << "a sibling is neither";
    EXPECT_EQ(sides[family.q], 0) << "nor a partner";
}

TEST(TriangleSelection, MarriageCirclesKeepOnlyTheLinesThatCloseALoop)
{
    CousinFamily family;
    const TriangleSides sides = SelectTriangleSides(family.data, family.p, 1, SelectionState());
    // The loop from P up to G1 and G2 and down again stays, P because both parents do.
    for (int64_t kept : {family.g1, family.g2, family.a, family.bb, family.f, family.m})
        EXPECT_EQ(sides[kept], 1) << kept;
    EXPECT_EQ(sides[family.p], -1);
    // Lines that end without closing anything go, up to their far ends.
    for (int64_t gone : {family.w0, family.w1, family.w2, family.c, family.k})
        EXPECT_EQ(sides[gone], 0) << gone;
}

TEST(TriangleSelection, MarriageCirclesOfAProbandWithoutALoopLeaveNothing)
{
    test::PedigreeBuilder b;
    const int64_t father = b.Add('M'), mother = b.Add('F');
    const int64_t parent = b.Add('M', father, mother);
    const int64_t proband = b.Add('F', parent);
    const TAhnenData data = b.Build();
    const TriangleSides sides = SelectTriangleSides(data, proband, 1, SelectionState());
    EXPECT_EQ(sides, (TriangleSides{0, 0, 0, 0}));
}

TEST(TriangleSelection, SelectedPersonsNarrowTheShownOnesOnly)
{
    CousinFamily family;
    SelectionState selection;
    for (int64_t p : {family.g1, family.s, family.k, family.p}) selection.SetSelected(p, true);
    const TriangleSides sides = SelectTriangleSides(family.data, family.p, 2, selection);
    EXPECT_EQ(sides[family.g1], 1);
    EXPECT_EQ(sides[family.k], -1);
    EXPECT_EQ(sides[family.p], -1);
    EXPECT_EQ(sides[family.s], 0) << "selecting a sibling does not make it a relative to show";
    EXPECT_EQ(sides[family.f], 0);
}

}  // namespace
}  // namespace qv
