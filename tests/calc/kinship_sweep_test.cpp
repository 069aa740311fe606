// The kinship sweep against the path-by-path coefficients, its odd families, and its limits.
#include "calc/kinship_sweep.h"

#include <random>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/inbreeding_enumeration.h"
#include "calc/walk_guard.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::PedigreeBuilder;

struct Swept {
    explicit Swept(TAhnenData built, size_t mostLive = 0)
        : data(std::move(built)), graph(data), blood(graph, false), x(graph, true)
    {
        WalkGuard guard;
        fwOutcome = SweepCoefficients(blood, guard, fw, mostLive);
        fxOutcome = SweepCoefficients(x, guard, fx, mostLive);
    }

    TAhnenData data;
    FamilyGraph graph;
    FamilyLinks blood;
    FamilyLinks x;
    SweptCoefficients fw, fx;
    SweepOutcome fwOutcome, fxOutcome;
};

// FW and FX of every person, walked path by path.
std::vector<TPersonResult> Walked(const TAhnenData& data, const FamilyGraph& graph)
{
    std::vector<TPersonResult> results(data.Persons.size());
    InbreedingEnumerator walker(data, graph, results);
    WalkGuard guard;
    for (int32_t p = 0; p < graph.Size(); ++p) {
        walker.ComputeFW(p, guard);
        walker.ComputeFX(p, guard);
    }
    return results;
}

void ExpectWalkedValues(const Swept& s, bool withX)
{
    std::vector<TPersonResult> walked = Walked(s.data, s.graph);
    for (int32_t p = 0; p < s.graph.Size(); ++p) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(s.fw.covered[p]);
        EXPECT_NEAR(s.fw.value[p], walked[p].FW, 1e-12 * walked[p].FW);
        if (withX) {
            EXPECT_NEAR(s.fx.value[p], walked[p].FX, 1e-12 * walked[p].FX);
        }
    }
}

// Random pedigrees with parents among the last few persons: siblings, cousins, an uncle and
// his niece have children, a man has several wives, parents are missing. Where the steps up
// and down differ (one person as both parents, X links of a father who is not male), the
// sweep declines and the engine keeps its turning weights.
TEST(KinshipSweep, EqualsThePathWalkOnCollapsedPedigrees)
{
    int fwSwept = 0, fxSwept = 0;
    for (uint32_t seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE(seed);
        Swept s(test::CollapsedPedigree(seed, 10 + seed % 12));
        if (s.fwOutcome == SweepOutcome::Declined) continue;
        ++fwSwept;
        fxSwept += s.fxOutcome == SweepOutcome::Done;
        ExpectWalkedValues(s, s.fxOutcome == SweepOutcome::Done);
    }
    EXPECT_GT(fwSwept, 200);
    EXPECT_GT(fxSwept, 20);
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        Swept s(test::RandomPedigree(seed, 40));
        ASSERT_EQ(s.fxOutcome, SweepOutcome::Done);
        ExpectWalkedValues(s, true);
    }
}

TEST(KinshipSweep, OneParentAndHalfRelativesAndDeclinedWhereStepsDiffer)
{
    PedigreeBuilder b;
    int64_t gf = b.Add('M'), gm = b.Add('F');
    int64_t son = b.Add('M', gf, gm), daughter = b.Add('F', gf, gm);
    int64_t onlyMother = b.Add('F', -1, daughter);
    int64_t ofSiblings = b.Add('F', son, daughter);
    int64_t ofHalfNiece = b.Add('F', son, onlyMother);
    Swept s(b.Build());
    ASSERT_EQ(s.fwOutcome, SweepOutcome::Done);
    ASSERT_EQ(s.fxOutcome, SweepOutcome::Done);
    EXPECT_EQ(s.fw.value[onlyMother], 0.0);
    EXPECT_EQ(s.fw.value[ofSiblings], 0.25);
    EXPECT_EQ(s.fx.value[son], 1.0);
    EXPECT_EQ(s.fx.value[ofSiblings], 0.25);
    EXPECT_EQ(s.fw.value[ofHalfNiece], 0.125);
    ExpectWalkedValues(s, true);

    // A path climbs to a person who is both parents in two ways but descends in one.
    b.Add('F', ofSiblings, ofSiblings);
    Swept selfed(b.Build());
    EXPECT_EQ(selfed.fwOutcome, SweepOutcome::Declined);
    // A father of unknown sex passes an X down to a son but not up from him.
    PedigreeBuilder odd;
    odd.Add('M', odd.Add('U'), odd.Add('F'));
    Swept unknownFather(odd.Build());
    EXPECT_EQ(unknownFather.fwOutcome, SweepOutcome::Done);
    EXPECT_EQ(unknownFather.fxOutcome, SweepOutcome::Declined);
}

TEST(KinshipSweep, LeavesOutPersonsOnOrBelowACycle)
{
    PedigreeBuilder b;
    int64_t a = b.Add('M'), m = b.Add('F');
    int64_t child = b.Add('F', a, m);
    int64_t grandchild = b.Add('M', b.Add('M'), child);
    int64_t outside = b.Add('F', b.Add('M'), m);
    TAhnenData data = b.Build();
    data.Persons[a].ParentFamily = data.Persons[child].ParentFamily;  // a is his own father
    Swept s(std::move(data));
    ASSERT_EQ(s.fwOutcome, SweepOutcome::Done);
    for (int64_t p : {a, child, grandchild}) EXPECT_FALSE(s.fw.covered[p]) << p;
    EXPECT_TRUE(s.fw.covered[m]);
    EXPECT_TRUE(s.fw.covered[outside]);
}

// A chain of twenty thousand fathers, each with a wife from outside: persons are taken up
// when first needed, so only a handful hold a row at any time.
TEST(KinshipSweep, KeepsFewRowsOnALongChainAndDeclinesWhenTooWide)
{
    PedigreeBuilder chain;
    int64_t man = chain.Add('M');
    for (int i = 0; i < 20000; ++i) man = chain.Add('M', man, chain.Add('F'));
    Swept narrow(chain.Build(), 4);
    EXPECT_EQ(narrow.fwOutcome, SweepOutcome::Done);
    EXPECT_EQ(narrow.fw.value[man], 0.0);

    Swept wide(test::RandomPedigree(3, 200), 8);
    EXPECT_EQ(wide.fwOutcome, SweepOutcome::Declined);
}

TEST(KinshipSweep, StopsWhenAsked)
{
    TAhnenData data = test::RandomPedigree(7, 3000);
    FamilyGraph graph(data);
    FamilyLinks blood(graph, false);
    int asked = 0;
    ProgressCallback stop = [&asked](const std::string&, int64_t, int64_t) { return ++asked > 0; };
    WalkGuard guard(stop, "fw");
    SweptCoefficients result;
    EXPECT_EQ(SweepCoefficients(blood, guard, result), SweepOutcome::Stopped);
    EXPECT_EQ(asked, 1);
}

// A closed population of 200 per generation: each person the child of a random couple of
// the generation before.
TAhnenData Village(int generations)
{
    PedigreeBuilder b;
    std::mt19937 random(11);
    for (int i = 0; i < 200; ++i) b.Add(i % 2 ? 'F' : 'M');
    for (int64_t g = 1, first = 0; g < generations; ++g, first += 200) {
        for (int i = 0; i < 200; ++i) {
            int64_t couple = first + 2 * static_cast<int64_t>(random() % 100);
            b.Add(i % 2 ? 'F' : 'M', couple, couple + 1);
        }
    }
    return b.Build();
}

TEST(KinshipSweep, PaysForManyPersonsOfADeepPopulationOnly)
{
    auto pays = [](const TAhnenData& data, int64_t only = -1) {
        FamilyGraph graph(data);
        FamilyLinks blood(graph, false);
        std::vector<uint8_t> persons(graph.Size(), only < 0);
        if (only >= 0) persons[only] = 1;
        return SweepPays(blood, persons);
    };
    TAhnenData deep = Village(40);
    EXPECT_TRUE(pays(deep));
    EXPECT_FALSE(pays(deep, 450));
    EXPECT_FALSE(pays(Village(4)));
}

}  // namespace
}  // namespace qv
