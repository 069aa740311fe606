// The person and family field rules and how links resolve.
#include "data/gedcom_records.h"

#include <gtest/gtest.h>

#include "gedcom_fixture.h"

namespace qv {
namespace {

using test::DataFromGedcom;

TPerson PersonFrom(const std::string& recordLines)
{
    TAhnenData data = DataFromGedcom("0 HEAD\n0 @I1@ INDI\n" + recordLines);
    return data.Persons.at(0);
}

TEST(GedcomRecords, NameSplitsAtSlashes)
{
    struct Case {
        const char* lines;
        const char* given;
        const char* surname;
    } cases[] = {
        {"1 NAME John /Smith/", "John", "Smith"},
        {"1 NAME /Smith/", "", "Smith"},
        {"1 NAME John Smith", "John Smith", ""},
        {"1 NAME John /Smith", "John Smith", ""},
        {"1 NAME  Anna Maria  /von Weiß/ Jr. /x/", "Anna Maria Jr.", "von Weiß"},
        {"1 NAME John /Smith/\n2 SURN Miller", "John", "Miller"},
        {"1 NAME John /Smith/\n2 GIVN Jack\n2 GIVN Jim", "Jim", "Smith"},
        {"1 NAME First /One/\n1 NAME Second /Two/", "First", "One"},
        {"1 NAME", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        TPerson p = PersonFrom(std::string(c.lines) + "\n");
        EXPECT_EQ(p.GivenNames, c.given);
        EXPECT_EQ(p.Surname, c.surname);
    }
}

TEST(GedcomRecords, SexIsFirstCharacterOfLastNonEmptyValue)
{
    EXPECT_EQ(PersonFrom("1 SEX\n").Sex, 'U');
    EXPECT_EQ(PersonFrom("1 SEX F\n").Sex, 'F');
    EXPECT_EQ(PersonFrom("1 SEX female\n").Sex, 'f');
    EXPECT_EQ(PersonFrom("1 SEX M\n1 SEX\n").Sex, 'M');
    EXPECT_EQ(PersonFrom("1 NAME x\n").Sex, 'U');
}

TEST(GedcomRecords, RepeatedEventTakesFirstPrimaryElseLast)
{
    struct Case {
        const char* lines;
        const char* date;
    } cases[] = {
        {"1 BIRT\n2 DATE 1900\n1 BIRT\n2 DATE 1901\n", "1901"},
        {"1 BIRT\n2 DATE 1900\n1 BIRT\n2 _PRIM Y\n2 DATE 1901\n1 BIRT\n2 DATE 1902\n", "1901"},
        {"1 BIRT\n2 _PRIMARY Y\n2 DATE 1900\n1 BIRT\n2 _PRIM Y\n2 DATE 1901\n", "1900"},
        {"1 BIRT\n2 _PRIM N\n2 DATE 1900\n1 BIRT\n2 DATE 1901\n", "1901"},
        {"1 BIRT\n2 _PRIM Y \n2 DATE 1900\n1 BIRT\n2 DATE 1901\n", "1901"},
        {"1 BIRT\n2 DATE 1900\n3 _PRIM Y\n2 DATE 1901\n", "1900"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(PersonFrom(c.lines).Birth.Date, c.date);
    }
}

TEST(GedcomRecords, EventOccurrenceReplacesWholeDateAndPlace)
{
    TPerson p = PersonFrom("1 DEAT\n2 DATE 1950\n2 PLAC Köln\n1 DEAT\n2 DATE 1951\n");
    EXPECT_EQ(p.Death.Date, "1951");
    EXPECT_EQ(p.Death.Place, "");
}

TEST(GedcomRecords, FourEventsGoToTheirFields)
{
    TPerson p = PersonFrom(
        "1 BIRT\n2 DATE b\n2 PLAC bp\n1 CHR\n2 DATE c\n1 DEAT\n2 PLAC dp\n1 BURI\n2 DATE u\n");
    EXPECT_EQ(p.Birth, (TOrtDatum{"b", "bp"}));
    EXPECT_EQ(p.Christening, (TOrtDatum{"c", ""}));
    EXPECT_EQ(p.Death, (TOrtDatum{"", "dp"}));
    EXPECT_EQ(p.Burial, (TOrtDatum{"u", ""}));
}

TEST(GedcomRecords, ParentFamilyFollowsPrimaryRule)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n1 FAMC @F1@\n2 _PRIMARY Y\n1 FAMC @F2@\n"
        "0 @F1@ FAM\n0 @F2@ FAM\n");
    EXPECT_EQ(data.Persons[0].ParentFamily, 0);
}

TEST(GedcomRecords, FamilyWithoutParentsNeverReplacesOneWithAParent)
{
    // F1 has both parents, F2 only a mother, F3 neither, F4 no record at all.
    const std::string families =
        "0 @P1@ INDI\n0 @P2@ INDI\n0 @P3@ INDI\n0 @F1@ FAM\n1 HUSB @P1@\n1 WIFE @P2@\n"
        "0 @F2@ FAM\n1 WIFE @P3@\n0 @F3@ FAM\n1 HUSB @P9@\n";
    struct Case {
        const char* famcLines;
        int32_t parentFamily;
    } cases[] = {
        {"1 FAMC @F1@\n1 FAMC @F3@\n", 0},
        {"1 FAMC @F1@\n1 FAMC @F4@\n", 0},
        {"1 FAMC @F3@\n1 FAMC @F1@\n", 0},
        {"1 FAMC @F3@\n", 2},
        {"1 FAMC @F1@\n1 FAMC @F3@\n1 FAMC @F2@\n", 1},  // the last with a parent wins
        {"1 FAMC @F1@\n1 FAMC @F2@\n", 1},
        {"1 FAMC @F1@\n1 FAMC @F3@\n2 _PRIM Y\n1 FAMC @F2@\n", 2},  // primary still wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.famcLines);
        TAhnenData data =
            DataFromGedcom("0 HEAD\n0 @I1@ INDI\n" + std::string(c.famcLines) + families);
        EXPECT_EQ(data.Persons[0].ParentFamily, c.parentFamily);
    }
}

TEST(GedcomRecords, EveryRecordIdShapeIsRead)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @P12@ INDI\n0 @1@ INDI\n0 @Bart_Simpson@ INDI\n1 FAMC @F-1@\n"
        "0 @F-1@ FAM\n1 HUSB @P12@\n1 WIFE @1@\n0 @N1@ NOTE about 0 @I9@ INDI\n"
        "1 @I8@ INDI\n0 @@ INDI\n0 I7 INDI\n");
    ASSERT_EQ(data.Persons.size(), 3u);
    EXPECT_EQ(data.Persons[2].Id, "Bart_Simpson");
    ASSERT_EQ(data.Families.size(), 1u);
    EXPECT_EQ(data.GetFather(2), 0);
    EXPECT_EQ(data.GetMother(2), 1);
}

TEST(GedcomRecords, FamilyTakesLastSpouseAndPrimaryMarriage)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n0 @I1@ INDI\n0 @I2@ INDI\n0 @F1@ FAM\n1 HUSB @I9@\n1 HUSB @I1@\n1 WIFE @I2@\n"
        "1 MARR\n2 DATE 1920\n2 _PRIM Y\n1 MARR\n2 DATE 1921\n2 _PRIM Y\n1 CHIL @I2@\n");
    EXPECT_EQ(data.Families[0].Husband, 0);
    EXPECT_EQ(data.Families[0].Wife, 1);
    EXPECT_EQ(data.Families[0].Marriage.Date, "1920");
    EXPECT_TRUE(data.Families[0].Children.empty()) << "CHIL lines are ignored";
}

}  // namespace
}  // namespace qv
