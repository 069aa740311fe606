// The founder sums of every person at once: bit for bit the value of walking each ancestry
// wherever they claim to be exact, and claiming it wherever a walk's sums cannot round.
#include "calc/founder_sums.h"

#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"
#include "calc/founder_share.h"
#include "calc/walk_guard.h"
#include "pedigree_builder.h"
#include "root_lines.h"

namespace qv {
namespace {

// The same double, bit for bit: the printed fraction of "c" shows every bit.
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Generations of width persons; the couples are neighbours (2i, 2i + 1) and every child
// picks one at random, so a few generations down everybody descends from most founders.
TAhnenData Population(int width, int generations, uint32_t seed)
{
    std::mt19937 random(seed);
    test::PedigreeBuilder b;
    for (int g = 0; g < generations; ++g) {
        int64_t first = static_cast<int64_t>(g) * width;
        for (int i = 0; i < width; ++i) {
            int64_t couple = first - width + 2 * static_cast<int64_t>(random() % (width / 2));
            b.Add(i % 2 ? 'F' : 'M', g ? couple : -1, g ? couple + 1 : -1);
        }
    }
    return b.Build();
}

// Returns how many persons had exact sums; each of them must equal the walk.
int ExpectWalkedValuesWhereExact(const TAhnenData& data, int32_t root, size_t blockWords = 0)
{
    FamilyGraph graph(data);
    std::vector<TPersonResult> results = test::RootLines(graph, root);
    WalkGuard never;
    std::optional<FounderSums> sums = FounderSums::Compute(graph, results, never, blockWords);
    EXPECT_TRUE(sums.has_value());
    int exact = 0;
    for (int32_t p = 0; sums && p < graph.Size(); ++p) {
        if (!sums->Exact(p)) continue;
        ++exact;
        double walked = ComputeC(graph, p, results);
        EXPECT_TRUE(SameBits(sums->C(p), walked)) << p << ": " << sums->C(p) << " " << walked;
    }
    return exact;
}

TEST(FounderSums, DensePopulationIsExactEverywhereAndMatchesTheWalk)
{
    // 120 founders: two blocks of 64 with one word per person, one block otherwise.
    TAhnenData data = Population(120, 9, 7);
    int32_t root = static_cast<int32_t>(data.Persons.size()) - 1;
    for (size_t words : {size_t{0}, size_t{1}}) {
        SCOPED_TRACE(words);
        EXPECT_EQ(ExpectWalkedValuesWhereExact(data, root, words),
                  static_cast<int>(data.Persons.size()));
    }
    // Rooted in the middle, persons below the root share only part of their founders.
    EXPECT_EQ(ExpectWalkedValuesWhereExact(data, 4 * 120 + 3),
              static_cast<int>(data.Persons.size()));
}

TEST(FounderSums, RandomPedigreesMatchTheWalk)
{
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data =
            seed % 2 ? test::RandomPedigree(seed, 80) : test::CollapsedPedigree(seed, 80);
        int32_t last = static_cast<int32_t>(data.Persons.size()) - 1;
        EXPECT_GT(ExpectWalkedValuesWhereExact(data, last, 1), 0);
        ExpectWalkedValuesWhereExact(data, static_cast<int32_t>(seed % 30));
    }
}

// The root reaches founders A and B 54 generations up and its mother D at once; a person
// descending from A twice and from B and D has root-side terms 2^-54, 2^-54 and 1/2. In person
// order the two small ones add up before meeting 1/2 and survive; the other way round both
// are rounded away. The printed fraction shows the difference.
TEST(FounderSums, FoundersAreAddedInPersonOrder)
{
    test::PedigreeBuilder b;
    int64_t a = b.Add('M'), bFounder = b.Add('F');
    int64_t line = b.Add('M', a, bFounder);
    for (int g = 1; g < 53; ++g) line = b.Add('M', line);
    int64_t d = b.Add('F');
    int64_t root = b.Add('M', line, d);
    int64_t person = b.Add('M', b.Add('M', a, bFounder), b.Add('F', a, d));
    TAhnenData data = b.Build();
    FamilyGraph graph(data);
    std::vector<TPersonResult> results = test::RootLines(graph, static_cast<int32_t>(root));
    WalkGuard never;
    std::optional<FounderSums> sums = FounderSums::Compute(graph, results, never);
    ASSERT_TRUE(sums && sums->Exact(static_cast<int32_t>(person)));
    EXPECT_TRUE(SameBits(sums->C(static_cast<int32_t>(person)), 0.5 + std::ldexp(1.0, -53)));
    EXPECT_TRUE(SameBits(sums->C(static_cast<int32_t>(person)),
                         ComputeC(graph, static_cast<int32_t>(person), results)));
}

// 70 generations of brother-sister marriages: the own side of the deep ones has units of
// 2^-70 and more than 53 bits, which the walk's index-order sum may round; those are left to
// the walk. FounderShares still gives every person the walked value.
TEST(FounderSums, DeepCollapsedAncestryIsLeftToTheWalk)
{
    test::PedigreeBuilder b;
    int64_t man = b.Add('M'), woman = b.Add('F');
    for (int g = 0; g < 70; ++g) {
        int64_t son = b.Add('M', man, woman);
        woman = b.Add('F', man, woman);
        man = son;
    }
    TAhnenData data = b.Build();
    FamilyGraph graph(data);
    std::vector<TPersonResult> results = test::RootLines(graph, static_cast<int32_t>(man));
    WalkGuard never;
    std::optional<FounderSums> sums = FounderSums::Compute(graph, results, never);
    ASSERT_TRUE(sums);
    EXPECT_TRUE(sums->Exact(4));
    EXPECT_FALSE(sums->Exact(static_cast<int32_t>(man)));
    FounderShares shares(graph, results);
    for (int32_t p = 0; p < graph.Size(); ++p)
        EXPECT_TRUE(SameBits(shares.C(p, never).value(), ComputeC(graph, p, results))) << p;
}

TEST(FounderSums, CyclicAncestryOfAnotherPersonIsNotExact)
{
    test::PedigreeBuilder b;
    int64_t a = b.Add('M');
    int64_t child = b.Add('F', a, b.Add('F'));
    int64_t below = b.Add('M', child, -1);
    int64_t root = b.Add('M', b.Add('M'), b.Add('F'));
    TAhnenData data = b.Build();
    data.Persons[a].ParentFamily = data.Persons[child].ParentFamily;
    FamilyGraph graph(data);
    std::vector<TPersonResult> results = test::RootLines(graph, static_cast<int32_t>(root));
    WalkGuard never;
    std::optional<FounderSums> sums = FounderSums::Compute(graph, results, never);
    ASSERT_TRUE(sums);
    for (int64_t p : {a, child, below}) EXPECT_FALSE(sums->Exact(static_cast<int32_t>(p)));
    EXPECT_TRUE(sums->Exact(static_cast<int32_t>(root)));
    EXPECT_EQ(sums->C(static_cast<int32_t>(root)), 1.0);
}

TEST(FounderSums, CancelLeavesTheSharesToBeComputedLater)
{
    TAhnenData data = Population(1000, 16, 3);
    FamilyGraph graph(data);
    int32_t root = graph.Size() - 1;
    std::vector<TPersonResult> results = test::RootLines(graph, root);
    int asked = 0;
    ProgressCallback cancel = [&](const std::string&, int64_t, int64_t) {
        ++asked;
        return true;
    };
    WalkGuard stopping(cancel, "Berechne <c>", root, graph.Size());
    FounderShares shares(graph, results);
    EXPECT_FALSE(shares.C(root, stopping).has_value());
    EXPECT_GT(asked, 0);
    WalkGuard never;
    EXPECT_TRUE(SameBits(shares.C(root, never).value(), ComputeC(graph, root, results)));
}

}  // namespace
}  // namespace qv
