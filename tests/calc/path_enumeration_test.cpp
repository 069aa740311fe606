// The reference path enumeration against an independent brute force and the direct counts.
#include "calc/path_enumeration.h"

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/path_walk.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::BruteForcePaths;
using test::RandomPedigree;

using Counts = std::map<int64_t, int64_t>;

// The non-zero entries of a count array, as the brute force keeps them.
Counts NonZero(const CountArray& a)
{
    Counts counts;
    for (int64_t i = a.Offset(); i < a.Size(); ++i)
        if (a[i] != 0) counts[i] = a[i];
    return counts;
}

bool IsHusband(const TAhnenData& data, int64_t child, int64_t parent)
{
    return data.Families[data.Persons[child].ParentFamily].Husband == parent;
}

// The X rule written from the families: up to the husband only from a person who is not
// male; a link adds 1 when its child is not male; male parent to male child is closed.
int64_t XStep(const TAhnenData& data, int64_t from, int64_t to, bool up)
{
    int64_t child = up ? from : to;
    bool childMale = data.Persons[child].Sex == 'M';
    bool parentMale = up ? IsHusband(data, from, to) : data.Persons[from].Sex == 'M';
    if (childMale && parentMale) return -1;
    return childMale ? 0 : 1;
}

struct Case {
    uint32_t seed;
    int persons;
};
const Case kCases[] = {{1, 24}, {2, 28}, {3, 30}, {4, 26}, {5, 30}, {6, 22}};

TEST(PathEnumeration, BloodPathsEqualBruteForceOnRandomPedigrees)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.seed);
        TAhnenData data = RandomPedigree(c.seed, c.persons);
        FamilyGraph graph(data);
        int64_t root = c.persons - 1;
        auto expected =
            BruteForcePaths(data, root, false, [](int64_t, int64_t, bool) { return 1; });
        std::vector<uint8_t> everybody(c.persons, 1);
        WalkGuard guard;
        auto counts = EnumeratePaths(graph, static_cast<int32_t>(root), everybody, guard);
        ASSERT_TRUE(counts);
        DirectCounts direct = CountDirectPaths(graph, static_cast<int32_t>(root));
        for (int64_t p = 0; p < c.persons; ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(NonZero((*counts)[p]), expected[p]);
            for (const CountArray* d : {&direct.Up[p], &direct.Down[p]})
                for (int64_t g = 0; g < d->Size(); ++g) EXPECT_GE((*counts)[p][g], (*d)[g]);
        }
    }
}

TEST(PathEnumeration, OnlyTargetsAreCountedAndPruningKeepsTheirCounts)
{
    TAhnenData data = RandomPedigree(7, 30);
    FamilyGraph graph(data);
    std::vector<uint8_t> everybody(30, 1), some(30, 0);
    some[3] = some[11] = some[20] = 1;
    WalkGuard guard;
    auto all = EnumeratePaths(graph, 29, everybody, guard);
    auto few = EnumeratePaths(graph, 29, some, guard);
    ASSERT_TRUE(all && few);
    for (int p = 0; p < 30; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ((*few)[p], some[p] ? (*all)[p] : CountArray());
    }
}

TEST(PathEnumeration, XPathsEqualBruteForceForMaleAndFemaleRoots)
{
    for (const Case& c : kCases) {
        TAhnenData data = RandomPedigree(c.seed, c.persons);
        FamilyGraph graph(data);
        for (int64_t root : {c.persons - 1, c.persons - 2}) {
            SCOPED_TRACE(testing::Message() << c.seed << " root " << root);
            auto step = [&](int64_t from, int64_t to, bool up) {
                return XStep(data, from, to, up);
            };
            bool male = data.Persons[root].Sex == 'M';
            int64_t father = data.GetFather(root), mother = data.GetMother(root);
            std::vector<Counts> x1(c.persons), x2(c.persons);
            auto add = [](std::vector<Counts>& into, const std::vector<Counts>& from) {
                for (size_t p = 0; p < from.size(); ++p)
                    for (auto [n, k] : from[p]) into[p][n] += k;
            };
            if (!male && father >= 0) add(x1, BruteForcePaths(data, father, false, step, root));
            if (mother >= 0) add(x2, BruteForcePaths(data, mother, false, step, root));
            if (!male) add(x1, BruteForcePaths(data, root, true, step));
            add(x2, BruteForcePaths(data, root, true, step));
            WalkGuard guard;
            auto counts = EnumerateXPaths(graph, static_cast<int32_t>(root), guard);
            ASSERT_TRUE(counts);
            for (int64_t p = 0; p < c.persons; ++p) {
                EXPECT_EQ(NonZero(counts->X1[p]), x1[p]) << "person " << p;
                EXPECT_EQ(NonZero(counts->X2[p]), x2[p]) << "person " << p;
            }
        }
    }
}

TEST(PathEnumeration, CancelledWalkReturnsNothing)
{
    // Twenty generations of sibling marriages: a million paths up from the last son.
    test::PedigreeBuilder builder;
    int64_t man = builder.Add('M'), woman = builder.Add('F');
    for (int g = 0; g < 20; ++g) {
        int64_t son = builder.Add('M', man, woman);
        woman = builder.Add('F', man, woman);
        man = son;
    }
    TAhnenData data = builder.Build();
    FamilyGraph graph(data);
    int calls = 0;
    ProgressCallback progress = [&](const std::string& text, int64_t, int64_t) {
        EXPECT_EQ(text, "Berechne <gb>");
        return ++calls == 1;
    };
    WalkGuard guard(progress, "Berechne <gb>");
    std::vector<uint8_t> everybody(data.Persons.size(), 1);
    EXPECT_FALSE(EnumeratePaths(graph, static_cast<int32_t>(man), everybody, guard));
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace qv
