// Links between persons and families, look-ups and the derived spouse groups.
#include "data/ahnen_data.h"

#include <gtest/gtest.h>

#include "data/error.h"
#include "gedcom_fixture.h"

namespace qv {
namespace {

using test::DataFromGedcom;

// I1 married I2 (F1: children I3, I4) and later I5 (F2: child I6); I4's FAMC names no family.
const char* const kRemarriage =
    "0 HEAD\n0 @I1@ INDI\n1 NAME Karl /A/\n0 @I2@ INDI\n0 @I3@ INDI\n1 FAMC @F1@\n"
    "0 @I4@ INDI\n1 FAMC @F9@\n0 @I5@ INDI\n0 @I6@ INDI\n1 FAMC @F2@\n0 @I7@ INDI\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I5@\n";

TEST(AhnenData, LinksDeriveChildrenAndSpouseFamiliesInFileOrder)
{
    TAhnenData data = DataFromGedcom(kRemarriage);
    EXPECT_EQ(data.Persons[0].SpouseFamilies, (TArrayOfInteger{0, 1}));
    EXPECT_EQ(data.Persons[0].Children, (TArrayOfInt64{2, 6, 5}));
    EXPECT_EQ(data.Families[0].Children, (TArrayOfInt64{2, 6}));
    EXPECT_EQ(data.Persons[3].ParentFamily, -1);
    EXPECT_EQ(data.GetFather(3), -1);
    EXPECT_EQ(data.GetMother(5), 4);
    EXPECT_EQ(data.LargestSpouseGroup, 3);
}

TEST(AhnenData, UnresolvedSpouseLeavesHalfAFamily)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n1 FAMC @F1@\n0 @I2@ INDI\n0 @F1@ FAM\n1 HUSB @I99@\n1 WIFE @I2@\n");
    EXPECT_EQ(data.Families[0].Husband, -1);
    EXPECT_EQ(data.GetFather(0), -1);
    EXPECT_EQ(data.GetMother(0), 1);
    EXPECT_EQ(data.Persons[1].Children, (TArrayOfInt64{0}));
}

TEST(AhnenData, SpouseGroupSizes)
{
    EXPECT_EQ(DataFromGedcom("0 HEAD\n0 @I1@ INDI\n").LargestSpouseGroup, 1);
    EXPECT_EQ(DataFromGedcom("0 HEAD\n0 @I1@ INDI\n0 @I2@ INDI\n0 @F1@ FAM\n1 HUSB @I1@\n"
                             "1 WIFE @I2@\n")
                  .LargestSpouseGroup,
              2);
    // A chain of marriages A-B, B-C, C-D is one group of four.
    EXPECT_EQ(DataFromGedcom("0 HEAD\n0 @A@ INDI\n0 @B@ INDI\n0 @C@ INDI\n0 @D@ INDI\n"
                             "0 @F1@ FAM\n1 HUSB @A@\n1 WIFE @B@\n0 @F2@ FAM\n1 HUSB @C@\n"
                             "1 WIFE @B@\n0 @F3@ FAM\n1 HUSB @C@\n1 WIFE @D@\n")
                  .LargestSpouseGroup,
              4);
    EXPECT_EQ(TAhnenData().LargestSpouseGroup, 0);
}

TEST(AhnenData, SamePersonAsHusbandAndWifeIsListedOnce)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n0 @I2@ INDI\n1 FAMC @F1@\n0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I1@\n");
    EXPECT_EQ(data.Persons[0].SpouseFamilies, (TArrayOfInteger{0}));
    EXPECT_EQ(data.Persons[0].Children, (TArrayOfInt64{1}));
}

TEST(AhnenData, FindReturnsFirstMatchInArrayOrder)
{
    TAhnenData data = DataFromGedcom("0 HEAD\n0 @I1@ INDI\n1 NAME a\n0 @I1@ INDI\n1 NAME b\n");
    EXPECT_EQ(data.FindPerson("I1"), 0);
    EXPECT_EQ(data.FindPerson("i1"), -1);
    EXPECT_EQ(data.FindFamily("F1"), -1);
    // The arrays are public; look-ups follow changes made to them.
    data.Persons.emplace_back().Id = "X9";
    EXPECT_EQ(data.FindPerson("X9"), 2);
    data.Persons[0].Id = "I0";
    EXPECT_EQ(data.FindPerson("I1"), 1);
}

TEST(AhnenData, RebuildsMatchDerivedLinks)
{
    TAhnenData data = DataFromGedcom(kRemarriage);
    TAhnenData rebuilt = data;
    rebuilt.RebuildChildren();
    rebuilt.RebuildSpouseFamilies();
    EXPECT_EQ(rebuilt.Persons[0].SpouseFamilies, data.Persons[0].SpouseFamilies);
    // Rebuilt children come in person order, not family by family.
    EXPECT_EQ(rebuilt.Persons[0].Children, (TArrayOfInt64{2, 5, 6}));
    EXPECT_EQ(rebuilt.Families[0].Children, data.Families[0].Children);
}

TEST(AhnenData, DeleteFamilyMovesLastIntoTheGap)
{
    TAhnenData data = DataFromGedcom(kRemarriage);
    data.DeleteFamily(0);
    ASSERT_EQ(data.Families.size(), 1u);
    EXPECT_EQ(data.Families[0].Id, "F2");
    EXPECT_EQ(data.Persons[2].ParentFamily, -1);
    EXPECT_EQ(data.Persons[5].ParentFamily, 0);
}

TEST(AhnenData, IndexOutsideThePersonsIsARangeError)
{
    TAhnenData data = DataFromGedcom(kRemarriage);
    EXPECT_EQ(data.GetFather(-1), -1);
    EXPECT_THROW(data.GetFather(int64_t{1} << 32), Error);
    EXPECT_THROW(data.GetMother(7), Error);
}

TEST(AhnenData, CyclicFileLoadsWithWarningNamingAPersonOnTheCycle)
{
    // I1 is the child of I2, who is the child of I1.
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n1 NAME Anna /Alt/\n1 FAMC @F1@\n0 @I2@ INDI\n1 NAME Bert /Bau/\n"
        "1 FAMC @F2@\n0 @F1@ FAM\n1 HUSB @I2@\n0 @F2@ FAM\n1 WIFE @I1@\n");
    ASSERT_EQ(data.Warnings.size(), 1u);
    EXPECT_TRUE(data.Warnings[0] == "Zirkelbezug in der Abstammung: I1 (Alt, Anna) ist eigener Vorfahre." ||
                data.Warnings[0] == "Zirkelbezug in der Abstammung: I2 (Bau, Bert) ist eigener Vorfahre.")
        << data.Warnings[0];
}

}  // namespace
}  // namespace qv
