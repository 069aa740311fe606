// Kekule numbers: helpers, numbering with pedigree collapse, cycles and deep ancestry.
#include "data/kekule.h"

#include <gtest/gtest.h>

#include "data/ahnen_data.h"
#include "data/error.h"
#include "data/selection_state.h"
#include "gedcom_fixture.h"

namespace qv {
namespace {

using test::DataFromGedcom;

// A chain of generations persons: person i is the child of person i + 1 (as father).
TAhnenData AncestorChain(int64_t generations)
{
    TAhnenData data(generations, generations - 1);
    for (int64_t i = 0; i < generations; ++i) data.Persons[i].Id = "I" + std::to_string(i);
    for (int64_t i = 0; i + 1 < generations; ++i) {
        data.Persons[i].ParentFamily = static_cast<int32_t>(i);
        data.Families[i].Husband = i + 1;
    }
    data.LinkFamilies();
    return data;
}

// Child of first cousins: I1 is the child of I2 and I3, whose mothers I4 and I5 are
// sisters, daughters of I6 and I7.
const char* const kCousinMarriage =
    "0 HEAD\n0 @I1@ INDI\n1 FAMC @F1@\n0 @I2@ INDI\n1 FAMC @F2@\n0 @I3@ INDI\n1 FAMC @F3@\n"
    "0 @I4@ INDI\n1 FAMC @F4@\n0 @I5@ INDI\n1 FAMC @F4@\n0 @I6@ INDI\n0 @I7@ INDI\n"
    "0 @I8@ INDI\n0 @I9@ INDI\n"
    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n0 @F2@ FAM\n1 HUSB @I8@\n1 WIFE @I4@\n"
    "0 @F3@ FAM\n1 HUSB @I9@\n1 WIFE @I5@\n0 @F4@ FAM\n1 HUSB @I6@\n1 WIFE @I7@\n";

TEST(Kekule, GenerationAndPath)
{
    struct Case {
        int64_t n;
        int generation;
        TKekPath path;
    } cases[] = {
        {-5, 0, {}},       {0, 0, {}},          {1, 0, {}},           {2, 1, {0}},
        {3, 1, {1}},       {4, 2, {0, 0}},      {6, 2, {1, 0}},       {7, 2, {1, 1}},
        {8, 3, {0, 0, 0}}, {13, 3, {1, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(KekuleGeneration(c.n), c.generation);
        EXPECT_EQ(KekulePath(c.n), c.path);
    }
    EXPECT_EQ(KekuleGeneration(INT64_MAX), 62);
    EXPECT_EQ(KekulePath(INT64_MAX).size(), 62u);
}

TEST(Kekule, PersonAtKekuleFollowsFatherAndMotherSteps)
{
    TAhnenData data = DataFromGedcom(kCousinMarriage);
    EXPECT_EQ(PersonAtKekule(data, 0, 1), 0);
    EXPECT_EQ(PersonAtKekule(data, 0, 3), 2);
    EXPECT_EQ(PersonAtKekule(data, 0, 5), 3);   // father's mother
    EXPECT_EQ(PersonAtKekule(data, 0, 6), 8);   // mother's father
    EXPECT_EQ(PersonAtKekule(data, 0, 10), 5);  // father's mother's father
    EXPECT_EQ(PersonAtKekule(data, 0, 14), 5);  // mother's mother's father
    EXPECT_EQ(PersonAtKekule(data, 0, 16), -1);
    EXPECT_EQ(PersonAtKekule(data, -1, 1), -1);
}

TEST(Kekule, CollapsedAncestorsCarrySeveralNumbersAscending)
{
    TAhnenData data = DataFromGedcom(kCousinMarriage);
    TArrayOfArrayOfInt64 numbers = data.ComputeKekuleNumbers(0);
    EXPECT_EQ(numbers[0], (TArrayOfInt64{1}));
    EXPECT_EQ(numbers[3], (TArrayOfInt64{5}));
    EXPECT_EQ(numbers[4], (TArrayOfInt64{7}));
    EXPECT_EQ(numbers[5], (TArrayOfInt64{10, 14}));
    EXPECT_EQ(numbers[6], (TArrayOfInt64{11, 15}));
    // Rooted at a parent, the other parent is no ancestor.
    numbers = data.ComputeKekuleNumbers(1);
    EXPECT_TRUE(numbers[2].empty());
    EXPECT_TRUE(numbers[0].empty());
}

TEST(Kekule, AncestryBeyondGeneration62IsCutWithNotice)
{
    TAhnenData data = AncestorChain(100);
    bool cut = false;
    TArrayOfArrayOfInt64 numbers = data.ComputeKekuleNumbers(0, &cut);
    EXPECT_TRUE(cut);
    EXPECT_EQ(numbers[62], (TArrayOfInt64{int64_t{1} << 62}));
    EXPECT_TRUE(numbers[63].empty());
    data.ComputeKekuleNumbers(38, &cut);
    EXPECT_FALSE(cut) << "61 generations above person 38 fit";
}

TEST(Kekule, LongDescendantChainNeedsNoDeepRecursion)
{
    TAhnenData data = AncestorChain(100000);
    EXPECT_EQ(data.Persons[99999].Children, (TArrayOfInt64{99998}));
    bool cut = false;
    EXPECT_EQ(data.ComputeKekuleNumbers(0, &cut)[1], (TArrayOfInt64{2}));
    EXPECT_TRUE(cut);
}

TEST(Kekule, CyclicAncestryFailsNamingAPersonOnTheCycle)
{
    // I1 -> I2 -> I3 -> I2: I2 and I3 are their own ancestors; I4 is I1's child.
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n1 NAME Ida /Eins/\n1 FAMC @F1@\n0 @I2@ INDI\n1 NAME Zora /Zwei/\n"
        "1 FAMC @F2@\n0 @I3@ INDI\n1 NAME Dora /Drei/\n1 FAMC @F3@\n0 @I4@ INDI\n1 FAMC @F4@\n"
        "0 @F1@ FAM\n1 WIFE @I2@\n0 @F2@ FAM\n1 HUSB @I3@\n0 @F3@ FAM\n1 WIFE @I2@\n"
        "0 @F4@ FAM\n1 HUSB @I1@\n");
    for (int64_t root : {0, 1, 3}) {
        SCOPED_TRACE(root);
        try {
            data.ComputeKekuleNumbers(root);
            FAIL() << "no error";
        } catch (const Error& e) {
            std::string message = e.what();
            EXPECT_TRUE(message == "Zirkelbezug in der Abstammung: I2 (Zwei, Zora) ist eigener Vorfahre." ||
                        message == "Zirkelbezug in der Abstammung: I3 (Drei, Dora) ist eigener Vorfahre.")
                << message;
        }
    }
    TAhnenData clean = DataFromGedcom(kCousinMarriage);
    EXPECT_NO_THROW(clean.ComputeKekuleNumbers(0));
}

TEST(Kekule, DoublingPedigreeIsRefusedBeforeMemoryRunsOut)
{
    // Each person's only parent family has the same person as father and mother.
    TAhnenData data(40, 39);
    for (int64_t i = 0; i < 40; ++i) data.Persons[i].Id = "I" + std::to_string(i);
    for (int32_t i = 0; i < 39; ++i) {
        data.Persons[i].ParentFamily = i;
        data.Families[i].Husband = data.Families[i].Wife = i + 1;
    }
    EXPECT_GT(data.CountKekuleNumbers(0), kMaxKekuleNumbers);
    EXPECT_THROW(data.ComputeKekuleNumbers(0), Error);
    EXPECT_EQ(data.CountKekuleNumbers(30), (uint64_t{1} << 10) - 1);
    EXPECT_EQ(data.ComputeKekuleNumbers(30)[39].size(), 512u);
}

TEST(SelectionState, KekuleOneFallsBackToSavedThenProband)
{
    SelectionState s;
    EXPECT_EQ(s.GetKekuleOne(), -1);
    s.ProbandIndex = 4;
    EXPECT_EQ(s.GetKekuleOne(), 4);
    s.SavedProbandIndex = 7;
    EXPECT_EQ(s.GetKekuleOne(), 7);
    s.KekuleOneIndex = 2;
    EXPECT_EQ(s.GetKekuleOne(), 2);
    s.Selected = {false, true};
    EXPECT_TRUE(s.IsSelected(1));
    EXPECT_FALSE(s.IsSelected(5));
    EXPECT_FALSE(s.IsSelected(-1));
}

}  // namespace
}  // namespace qv
