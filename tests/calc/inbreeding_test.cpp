// F, FW and FX: the textbook cases, the X rules, and F against a brute force of parent paths.
#include "calc/inbreeding.h"

#include <cmath>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "data/error.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::PedigreeBuilder;

// The data with its graph and results, as the engine holds them.
struct Fixture {
    explicit Fixture(TAhnenData built)
        : data(std::move(built)),
          graph(data),
          results(data.Persons.size()),
          calculator(data, graph, results)
    {
    }
    double F(int64_t p) { return Run(&InbreedingCalculator::ComputeF, p).F; }
    double FW(int64_t p) { return Run(&InbreedingCalculator::ComputeFW, p).FW; }
    double FX(int64_t p) { return Run(&InbreedingCalculator::ComputeFX, p).FX; }
    const TPersonResult& Run(bool (InbreedingCalculator::*compute)(int32_t, WalkGuard&), int64_t p)
    {
        WalkGuard guard;
        EXPECT_TRUE((calculator.*compute)(static_cast<int32_t>(p), guard));
        return results[p];
    }

    TAhnenData data;
    FamilyGraph graph;
    std::vector<TPersonResult> results;
    InbreedingCalculator calculator;
};

// A brother and sister with founder parents, and their child.
struct SiblingChild {
    PedigreeBuilder b;
    int64_t father = b.Add('M'), mother = b.Add('F');
    int64_t brother = b.Add('M', father, mother), sister = b.Add('F', father, mother);
    int64_t child = b.Add('F', brother, sister);
};

TEST(Inbreeding, ChildOfFullSiblingsAndOfFirstCousins)
{
    SiblingChild s;
    Fixture siblings(s.b.Build());
    EXPECT_EQ(siblings.F(s.child), 0.25);
    EXPECT_EQ(siblings.FW(s.child), 0.25);
    EXPECT_EQ(siblings.F(s.brother), 0.0);

    PedigreeBuilder b;
    int64_t gf = b.Add('M'), gm = b.Add('F');
    int64_t aunt = b.Add('F', gf, gm), uncle = b.Add('M', gf, gm);
    int64_t son = b.Add('M', b.Add('M'), aunt), daughter = b.Add('F', uncle, b.Add('F'));
    int64_t child = b.Add('M', son, daughter);
    Fixture cousins(b.Build());
    EXPECT_EQ(cousins.F(child), 1.0 / 16);
    EXPECT_EQ(cousins.FW(child), 1.0 / 16);
}

TEST(Inbreeding, FwCountsTheCommonAncestorsOwnInbreeding)
{
    // The brother's and the sister's parents are each children of a brother and a sister.
    PedigreeBuilder b;
    auto inbredPerson = [&b](char sex) {
        int64_t f = b.Add('M'), m = b.Add('F');
        return b.Add(sex, b.Add('M', f, m), b.Add('F', f, m));
    };
    int64_t father = inbredPerson('M'), mother = inbredPerson('F');
    int64_t child = b.Add('F', b.Add('M', father, mother), b.Add('F', father, mother));
    Fixture f(b.Build());
    EXPECT_EQ(f.F(child), 0.25);
    EXPECT_EQ(f.FW(child), 0.3125);
    EXPECT_EQ(f.results[father].FW, 0.25);
}

TEST(Inbreeding, FxFollowsXInheritance)
{
    struct Case {
        const char* name;
        bool sharedMother;
        char childSex;
        double fx;
    } cases[] = {
        {"daughter of half-siblings through their mother", true, 'F', 0.25},
        {"daughter of half-siblings through their father", false, 'F', 0.0},
        {"son", true, 'M', 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PedigreeBuilder b;
        int64_t shared = b.Add(c.sharedMother ? 'F' : 'M');
        auto halfSibling = [&](char sex) {
            return c.sharedMother ? b.Add(sex, b.Add('M'), shared) : b.Add(sex, shared, b.Add('F'));
        };
        int64_t brother = halfSibling('M'), sister = halfSibling('F');
        int64_t child = b.Add(c.childSex, brother, sister);
        Fixture f(b.Build());
        EXPECT_EQ(f.FX(child), c.fx);
    }
}

TEST(Inbreeding, FullSiblingsShareTheirValue)
{
    SiblingChild s;
    int64_t second = s.b.Add('M', s.brother, s.sister);
    Fixture f(s.b.Build());
    f.results[s.child].FW = 0.5;  // a value no walk gives: it must be copied, not computed
    f.results[s.child].FWDone = true;
    EXPECT_EQ(f.FW(second), 0.5);
    EXPECT_EQ(f.FX(second), 1.0);
    EXPECT_EQ(f.FX(s.child), 0.25);
}

TEST(Inbreeding, FEqualsHalfTheBruteForcePathSumBetweenParents)
{
    for (uint32_t seed = 11; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        Fixture f(test::RandomPedigree(seed, 26));
        for (int64_t p = 0; p < 26; ++p) {
            int64_t father = f.data.GetFather(p), mother = f.data.GetMother(p);
            if (father < 0 || mother < 0) continue;
            auto paths = test::BruteForcePaths(f.data, father, false,
                                               [](int64_t, int64_t, bool) { return 1; });
            double expected = 0;
            for (auto [n, k] : paths[mother]) expected += std::ldexp(static_cast<double>(k), -n);
            EXPECT_DOUBLE_EQ(f.F(p), expected / 2) << "person " << p;
        }
    }
}

TEST(Inbreeding, CyclicAncestryIsReportedForFw)
{
    PedigreeBuilder b;
    int64_t a = b.Add('M'), m = b.Add('F');
    int64_t child = b.Add('F', a, m);
    TAhnenData data = b.Build();
    data.Persons[a].ParentFamily = data.Persons[child].ParentFamily;  // a is his own father
    Fixture f(std::move(data));
    WalkGuard guard;
    try {
        f.calculator.ComputeFW(static_cast<int32_t>(child), guard);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Zirkelbezug in der Abstammung: I1 (?, ?) ist eigener Vorfahre.");
    }
}

}  // namespace
}  // namespace qv
