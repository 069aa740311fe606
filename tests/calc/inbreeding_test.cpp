// F, FW and FX: the textbook cases, the X rules, and equality with the path-by-path reference.
#include "calc/inbreeding.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/inbreeding_enumeration.h"
#include "data/error.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::PedigreeBuilder;

// The data with its graph, links and results, as the engine holds them.
struct Fixture {
    explicit Fixture(TAhnenData built)
        : data(std::move(built)),
          graph(data),
          blood(graph, false),
          x(graph, true),
          counts(blood, false, true),
          results(data.Persons.size()),
          calculator(data, blood, x, counts, results)
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
    FamilyLinks blood;
    FamilyLinks x;
    TurnWeights<ExactCounts> counts;
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

// The coefficients walked path by path, for the same pedigree.
std::vector<TPersonResult> Enumerated(const TAhnenData& data, const FamilyGraph& graph,
                                      bool withOwnWeights = true)
{
    std::vector<TPersonResult> results(data.Persons.size());
    InbreedingEnumerator enumerator(data, graph, results);
    WalkGuard guard;
    for (int32_t p = 0; p < graph.Size(); ++p) {
        enumerator.ComputeF(p, guard);
        if (!withOwnWeights) continue;
        enumerator.ComputeFW(p, guard);
        enumerator.ComputeFX(p, guard);
    }
    return results;
}

// F comes from the same count arrays by the same sum, so it is equal to the last bit. FW, FX
// and F's fallback add the same terms in another order; the terms are positive wherever
// fathers are male and mothers are not, so the sums agree to a few rounding steps.
TEST(Inbreeding, EqualsEnumerationOnThousandsOfCollapsedPedigrees)
{
    for (uint32_t seed = 1; seed <= 1500; ++seed) {
        SCOPED_TRACE(seed);
        Fixture f(test::CollapsedPedigree(seed, 12 + seed % 9));
        if (seed % 2) f.data.RebuildChildren();
        std::vector<TPersonResult> expected = Enumerated(f.data, f.graph);
        // F's fallback for wrapped counts: the same sums in doubles.
        TurnWeights<HalvedSums> fSums(f.blood, false, true);
        for (int64_t p = 0; p < f.graph.Size(); ++p) {
            SCOPED_TRACE(p);
            EXPECT_EQ(f.F(p), expected[p].F);
            WalkGuard guard;
            ASSERT_EQ(fSums.Ensure(static_cast<int32_t>(p), guard), WeightOutcome::Done);
            EXPECT_NEAR(fSums.ParentPaths(static_cast<int32_t>(p)) / 2, expected[p].F,
                        1e-12 * expected[p].F);
            EXPECT_NEAR(f.FW(p), expected[p].FW, 1e-12 * expected[p].FW);
            EXPECT_NEAR(f.FX(p), expected[p].FX, 1e-12 * expected[p].FX);
        }
    }
}

// Planned for all persons of a deep population, FW and FX come from the kinship sweep: they
// still equal the walked values, and a full sibling's known value is still taken over.
TEST(Inbreeding, PlannedForEveryoneOfADeepPopulationEqualsTheWalk)
{
    test::PedigreeBuilder b;
    std::mt19937 random(3);
    for (int i = 0; i < 40; ++i) b.Add(i % 2 ? 'F' : 'M');
    for (int64_t g = 1, first = 0; g < 30; ++g, first += 40)
        for (int i = 0; i < 40; ++i)
            b.Add(i % 2 ? 'F' : 'M', first + 2 * (random() % 20), first + 2 * (random() % 20) + 1);
    Fixture f(b.Build());
    auto last = static_cast<int32_t>(f.graph.Size() - 1);
    f.results[last].FW = 0.75;  // a value nothing gives: its full siblings must copy it
    f.results[last].FWDone = true;
    std::vector<uint8_t> everyone(f.graph.Size(), 1);
    ASSERT_TRUE(SweepPays(f.blood, everyone));
    f.calculator.PlanSweeps(std::vector<bool>(f.graph.Size(), true));
    TurnWeights<HalvedSums> fw(f.blood, true, true), fx(f.x, true, true);
    for (int32_t p = 0; p < last; ++p) {
        SCOPED_TRACE(p);
        WalkGuard guard;
        ASSERT_EQ(fw.Ensure(p, guard), WeightOutcome::Done);
        ASSERT_EQ(fx.Ensure(p, guard), WeightOutcome::Done);
        bool sibling = f.data.Persons[p].ParentFamily == f.data.Persons[last].ParentFamily;
        EXPECT_NEAR(f.FW(p), sibling ? 0.75 : fw.Coefficient(p), 1e-12);
        EXPECT_NEAR(f.FX(p), fx.Coefficient(p), 1e-12);
    }
}

TEST(Inbreeding, FWhereTheCountsWrapIsTheTrueSum)
{
    // Forty generations of a closed population of eight: billions of billions of paths
    // between the last parents, more than 64-bit counts can hold.
    test::PedigreeBuilder b;
    std::mt19937 random(5);
    int64_t first = 0;
    for (int i = 0; i < 8; ++i) b.Add(i % 2 ? 'F' : 'M');
    for (int g = 1; g <= 40; ++g, first += 8)
        for (int i = 0; i < 8; ++i)
            b.Add(i % 2 ? 'F' : 'M', first + 2 * (random() % 4), first + 2 * (random() % 4) + 1);
    Fixture family(b.Build());
    auto last = static_cast<int32_t>(family.graph.Size() - 1);
    TurnWeights<HalvedSums> sums(family.blood, false, true);
    WalkGuard guard;
    ASSERT_EQ(sums.Ensure(last, guard), WeightOutcome::Done);
    double f = family.F(last);
    EXPECT_EQ(f, sums.ParentPaths(last) / 2);
    EXPECT_GT(std::fabs(HalvingSum(family.counts.ParentPaths(last)) / 2 - f), 1e-6);
    EXPECT_LE(f, family.FW(last));
}

TEST(Inbreeding, CyclicAncestryWalksFAndReportsFwAndFx)
{
    PedigreeBuilder b;
    int64_t a = b.Add('M'), m = b.Add('F');
    int64_t child = b.Add('F', a, m);
    TAhnenData data = b.Build();
    data.Persons[a].ParentFamily = data.Persons[child].ParentFamily;  // a is his own father
    Fixture f(std::move(data));
    std::vector<TPersonResult> expected = Enumerated(f.data, f.graph, false);
    EXPECT_EQ(f.F(child), expected[child].F);
    for (auto compute : {&InbreedingCalculator::ComputeFW, &InbreedingCalculator::ComputeFX}) {
        WalkGuard guard;
        try {
            (f.calculator.*compute)(static_cast<int32_t>(child), guard);
            FAIL() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(),
                         "Zirkelbezug in der Abstammung: I1 (?, ?) ist eigener Vorfahre.");
        }
    }
}

}  // namespace
}  // namespace qv
