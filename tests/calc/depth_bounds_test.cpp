// The depth bounds that cut walks short: every common ancestor lies within them.
#include "calc/depth_bounds.h"

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

// Ancestors of p, p included, by flags.
std::vector<uint8_t> AncestryOf(const FamilyGraph& graph, int32_t p)
{
    std::vector<uint8_t> in(graph.Size(), 0);
    in[p] = 1;
    return WithAncestors(graph, in);
}

TEST(DepthBounds, ChainOfFathersWithOutsideMothers)
{
    // 0 founds the chain; generation g adds the mother 2g + 1 and her son 2g + 2 by 2g.
    test::PedigreeBuilder b;
    int64_t son = b.Add('M');
    for (int g = 0; g < 5; ++g) {
        int64_t mother = b.Add('F');
        son = b.Add('M', son, mother);
    }
    TAhnenData data = b.Build();
    FamilyGraph graph(data);
    DepthBounds bounds(graph);
    struct Row {
        int32_t person, below, most;
    };
    for (const Row& row : {Row{10, 0, 5}, Row{9, 1, 1}, Row{8, 1, 5}, Row{0, 5, 5}, Row{1, 5, 5}}) {
        SCOPED_TRACE(row.person);
        EXPECT_EQ(bounds.Below(row.person), row.below);
        EXPECT_EQ(bounds.AncestryMost(row.person), row.most);
    }
    // The parents of the youngest can share nobody above his mother's generation.
    EXPECT_EQ(bounds.Common(8, 9), 1);
}

TEST(DepthBounds, CyclesAndEverythingAboveOrBelowThemAreUnbounded)
{
    test::PedigreeBuilder b;
    int64_t a = b.Add('M'), c = b.Add('M', a), d = b.Add('F', c), e = b.Add('M');
    TAhnenData data = b.Build();
    // a becomes the son of d, his own great-grandson: a -> d -> c -> a up the lines.
    TFamilie family;
    family.Id = "F9";
    family.Wife = d;
    data.Families.push_back(family);
    data.Persons[a].ParentFamily = static_cast<int32_t>(data.Families.size()) - 1;
    data.LinkFamilies();
    FamilyGraph graph(data);
    DepthBounds bounds(graph);
    for (int64_t p : {a, c, d}) {
        EXPECT_EQ(bounds.Below(p), kUnboundedDepth);
        EXPECT_EQ(bounds.AncestryMost(p), kUnboundedDepth);
    }
    EXPECT_EQ(bounds.Below(e), 0);
    EXPECT_EQ(bounds.Common(e, a), 0);
}

// The property the walks rely on, checked against every pair of a few collapsed pedigrees:
// a common ancestor, and every person on a line up to it, lies within the bound.
TEST(DepthBounds, CommonAncestorsLieWithinTheBound)
{
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        TAhnenData data =
            seed % 2 ? test::RandomPedigree(seed, 40) : test::CollapsedPedigree(seed, 40);
        FamilyGraph graph(data);
        DepthBounds bounds(graph);
        for (int32_t x = 0; x < graph.Size(); ++x) {
            std::vector<uint8_t> ofX = AncestryOf(graph, x);
            for (int32_t y = 0; y < graph.Size(); ++y) {
                std::vector<uint8_t> ofY = AncestryOf(graph, y);
                for (int32_t a = 0; a < graph.Size(); ++a) {
                    if (!ofX[a] || !ofY[a]) continue;
                    ASSERT_LE(bounds.Below(a), bounds.Common(x, y)) << seed;
                }
            }
            for (int32_t a = 0; a < graph.Size(); ++a) {
                if (!ofX[a] || a == x) continue;
                ASSERT_LT(bounds.Below(x), bounds.Below(a)) << seed;
            }
        }
    }
}

}  // namespace
}  // namespace qv
