// Path counts summed over turning persons, against the reference enumeration.
#include "calc/path_count.h"

#include <ostream>
#include <random>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/path_enumeration.h"
#include "data/data_file.h"
#include "pedigree_builder.h"
#include "test_support.h"

namespace qv {

void PrintTo(const CountArray& a, std::ostream* os)
{
    *os << testing::PrintToString(a.ToArray());
}

namespace {

using test::PedigreeBuilder;

// A pedigree with its links and turning weights, kept across roots as the engine keeps them.
struct Counter {
    explicit Counter(TAhnenData built)
        : data(std::move(built)),
          graph(data),
          blood(graph, false),
          x(graph, true),
          bloodWeights(blood, false, true),
          xWeights(x, false, false)
    {
    }
    std::vector<CountArray> Paths(int32_t root, const std::vector<uint8_t>& targets)
    {
        WalkGuard guard;
        auto counts = CountPaths(bloodWeights, root, targets, guard);
        EXPECT_TRUE(counts);
        return counts.value_or(std::vector<CountArray>());
    }

    TAhnenData data;
    FamilyGraph graph;
    FamilyLinks blood;
    FamilyLinks x;
    ExactTurnWeights bloodWeights;
    ExactTurnWeights xWeights;
};

void ExpectSameCounts(const std::vector<CountArray>& actual,
                      const std::vector<CountArray>& expected, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t p = 0; p < actual.size(); ++p)
        EXPECT_EQ(actual[p], expected[p]) << what << " of person " << p;
}

// Roots at the end (deep ancestry), in the middle and near the start; every person a target,
// or a random few, whose counts must not depend on the others.
TEST(PathCount, EqualsEnumerationOnThousandsOfCollapsedPedigrees)
{
    std::mt19937 random(3);
    for (uint32_t seed = 1; seed <= 1500; ++seed) {
        SCOPED_TRACE(seed);
        Counter c(test::CollapsedPedigree(seed, 12 + seed % 9));
        if (seed % 2) c.data.RebuildChildren();
        int32_t n = c.graph.Size();
        for (int32_t root : {n - 1, n / 2 + static_cast<int32_t>(seed % 3), 2}) {
            SCOPED_TRACE(root);
            std::vector<uint8_t> targets(n, 1);
            if (root != n - 1)
                for (uint8_t& t : targets) t = random() % 3 == 0;
            WalkGuard guard;
            ExpectSameCounts(c.Paths(root, targets), *EnumeratePaths(c.graph, root, targets, guard),
                             "paths");
            auto x = CountXPaths(c.xWeights, root, guard);
            auto expected = EnumerateXPaths(c.graph, root, guard);
            ASSERT_TRUE(x && expected);
            ExpectSameCounts(x->X1, expected->X1, "X1");
            ExpectSameCounts(x->X2, expected->X2, "X2");
        }
    }
}

TEST(PathCount, EqualsEnumerationOnCollapsedRoyalFiles)
{
    QV_REQUIRE_TESTDATA();
    // Millions of paths: Pierre I de Luxembourg in Queen.ged, Paul of Sparta in royal92.ged.
    for (auto [file, id] : {std::pair{"Queen.ged", "I10042"}, std::pair{"royal92.ged", "I1060"}}) {
        SCOPED_TRACE(file);
        Counter c(std::move(*OpenDataFile(test::TestDataFile(file))));
        auto root = static_cast<int32_t>(c.data.FindPerson(id));
        std::vector<uint8_t> everybody(c.graph.Size(), 1);
        WalkGuard guard;
        ExpectSameCounts(c.Paths(root, everybody), *EnumeratePaths(c.graph, root, everybody, guard),
                         "paths");
        auto x = CountXPaths(c.xWeights, root, guard);
        auto expected = EnumerateXPaths(c.graph, root, guard);
        ASSERT_TRUE(x && expected);
        ExpectSameCounts(x->X1, expected->X1, "X1");
        ExpectSameCounts(x->X2, expected->X2, "X2");
    }
}

TEST(PathCount, RelativesInACycleAreCountedByWalking)
{
    // Below the root's father: his daughter s, her son d by z, and d's daughter t. The file
    // also makes z a child of d, so z and d are each other's father.
    PedigreeBuilder b;
    int64_t father = b.Add('M');
    int64_t root = b.Add('F', father, b.Add('F'));
    int64_t s = b.Add('F', father, b.Add('F'));
    int64_t z = b.Add('M');
    int64_t d = b.Add('M', z, s);
    int64_t t = b.Add('F', d, b.Add('F'));
    TAhnenData data = b.Build();
    data.Persons[z].ParentFamily = data.Persons[t].ParentFamily;
    data.RebuildChildren();
    Counter c(std::move(data));
    std::vector<uint8_t> everybody(c.graph.Size(), 1);
    WalkGuard guard;
    auto r = static_cast<int32_t>(root);
    std::vector<CountArray> paths = c.Paths(r, everybody);
    ExpectSameCounts(paths, *EnumeratePaths(c.graph, r, everybody, guard), "paths");
    EXPECT_EQ(paths[d].ToArray(), (TArrayOfInt64{0, 0, 0, 1}));
    auto x = CountXPaths(c.xWeights, r, guard);
    ASSERT_TRUE(x);
    ExpectSameCounts(x->X1, EnumerateXPaths(c.graph, r, guard)->X1, "X1");
}

TEST(PathCount, StoppedCountLeavesWeightsThatFinishTheSame)
{
    // 150 generations of brother-sister marriages: the son at the end has a deep, narrow
    // ancestry with millions of turning-weight terms.
    PedigreeBuilder b;
    int64_t man = b.Add('M'), woman = b.Add('F');
    for (int g = 0; g < 150; ++g) {
        int64_t son = b.Add('M', man, woman);
        woman = b.Add('F', man, woman);
        man = son;
    }
    Counter stopped(b.Build());
    std::vector<uint8_t> everybody(stopped.graph.Size(), 1);
    int calls = 0;
    ProgressCallback progress = [&](const std::string& text, int64_t position, int64_t maximum) {
        EXPECT_EQ(text, "Berechne <gb>");
        EXPECT_TRUE(position >= 0 && position < 100 && maximum == 100) << position;
        return ++calls == 1;
    };
    WalkGuard guard(progress, "Berechne <gb>");
    auto root = static_cast<int32_t>(man);
    EXPECT_FALSE(CountPaths(stopped.bloodWeights, root, everybody, guard));
    EXPECT_EQ(calls, 1);

    Counter fresh(stopped.data);
    ExpectSameCounts(stopped.Paths(root, everybody), fresh.Paths(root, everybody), "paths");
}

}  // namespace
}  // namespace qv
