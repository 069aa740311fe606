// The founder share "c": taken from the parents where an ancestry holds nobody twice, walked
// where it collapses, the same value either way.
#include "calc/founder_share.h"

#include <gtest/gtest.h>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"
#include "calc/walk_guard.h"
#include "pedigree_builder.h"
#include "root_lines.h"

namespace qv {
namespace {

void ExpectSameAsWalking(const TAhnenData& data, int32_t root)
{
    FamilyGraph graph(data);
    std::vector<TPersonResult> results = test::RootLines(graph, root);
    FounderShares shares(graph, results);
    WalkGuard never;
    // From the youngest down, so later persons find their ancestors settled, and again.
    for (int round = 0; round < 2; ++round)
        for (int32_t p = graph.Size() - 1; p >= 0; --p)
            ASSERT_DOUBLE_EQ(shares.C(p, never).value(), ComputeC(graph, p, results)) << p;
}

// Binary pedigree: person p's parents are 2p + 1 and 2p + 2, nobody twice.
TAhnenData FullPedigree(int generations)
{
    test::PedigreeBuilder b;
    int count = (1 << generations) - 1;
    std::vector<int64_t> person(count, -1);
    for (int p = count - 1; p >= 0; --p) {
        bool parents = 2 * p + 2 < count;
        person[p] = b.Add(p % 2 ? 'M' : 'F', parents ? person[2 * p + 1] : -1,
                          parents ? person[2 * p + 2] : -1);
    }
    return b.Build();
}

TEST(FounderShares, TreesAndCollapsedPedigreesGiveTheWalkedValues)
{
    TAhnenData tree = FullPedigree(7);
    ExpectSameAsWalking(tree, static_cast<int32_t>(tree.Persons.size()) - 1);
    ExpectSameAsWalking(tree, 40);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data =
            seed % 2 ? test::RandomPedigree(seed, 60) : test::CollapsedPedigree(seed, 60);
        ExpectSameAsWalking(data, static_cast<int32_t>(data.Persons.size()) - 1);
        ExpectSameAsWalking(data, static_cast<int32_t>(seed % 20));
    }
}

// The shape that made "c" quadratic: every father with a mother from outside the chain.
TEST(FounderShares, LongChainOfFathersWithOutsideMothers)
{
    test::PedigreeBuilder b;
    int64_t son = b.Add('M');
    for (int g = 0; g < 300; ++g) son = b.Add('M', son, b.Add('F'));
    TAhnenData data = b.Build();
    ExpectSameAsWalking(data, static_cast<int32_t>(son));
    ExpectSameAsWalking(data, 200);
}

TEST(FounderShares, PersonWhoIsBothParentsCollapses)
{
    test::PedigreeBuilder b;
    int64_t both = b.Add('U', b.Add('M'), b.Add('F'));
    b.Add('M', both, both);
    TAhnenData data = b.Build();
    ExpectSameAsWalking(data, 3);
    ExpectSameAsWalking(data, 2);
}

}  // namespace
}  // namespace qv
