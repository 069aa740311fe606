// Sibling groups among a proband's ancestors, their counters and the text lines they make.
#include "data/sibling_groups.h"

#include <gtest/gtest.h>

#include "data/sibling_list_text.h"
#include "gedcom_fixture.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

// The proband I1 (surname Probe) with parents I2, I3; I3's parents I6, I7; their fathers I12
// and I14 (both Berg) are children of the families given (I14 of fatherOf14).
std::string Pedigree(const std::string& families, const std::string& fatherOf14 = "F6")
{
    return "0 HEAD\n0 @I1@ INDI\n1 NAME /Probe/\n1 FAMC @F1@\n0 @I2@ INDI\n0 @I3@ INDI\n"
           "1 FAMC @F2@\n0 @I6@ INDI\n1 FAMC @F3@\n0 @I7@ INDI\n1 FAMC @F4@\n"
           "0 @I12@ INDI\n1 NAME /Berg/\n1 FAMC @F5@\n0 @I13@ INDI\n"
           "0 @I14@ INDI\n1 NAME /Berg/\n1 FAMC @" +
           fatherOf14 +
           "@\n0 @I15@ INDI\n"
           "0 @I24@ INDI\n0 @I25@ INDI\n0 @I29@ INDI\n"
           "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n0 @F2@ FAM\n1 HUSB @I6@\n1 WIFE @I7@\n"
           "0 @F3@ FAM\n1 HUSB @I12@\n1 WIFE @I13@\n0 @F4@ FAM\n1 HUSB @I14@\n1 WIFE @I15@\n" +
           families;
}

Lines WrittenLines(const std::string& gedcom, int32_t groups, int32_t members)
{
    TAhnenData data = test::DataFromGedcom(gedcom);
    SiblingGroups found = BuildSiblingGroups(data, 0);
    EXPECT_EQ(found.GroupCount(), groups);
    EXPECT_EQ(found.MemberCount(), members);
    return SiblingListLines(data, found, 0);
}

TEST(SiblingGroups, FullAndHalfSiblingsGoUnderTheirHeadings)
{
    struct Case {
        const char* name;
        std::string families;
        Lines expected;
        std::string fatherOf14 = "F6";
    } cases[] = {
        {"one couple",
         "0 @F5@ FAM\n1 HUSB @I24@\n1 WIFE @I25@\n",
         {"Vollgeschwister", "", "12 14 /Berg/Berg/", "", "Einzelpersonen", "", "1 /Probe/"},
         "F5"},
        {"one father, two wives",
         "0 @F5@ FAM\n1 HUSB @I24@\n1 WIFE @I25@\n0 @F6@ FAM\n1 HUSB @I24@\n1 WIFE @I29@\n",
         {"Halbgeschwister - Vater", "", "12 14 /Berg/Berg/", "", "Einzelpersonen", "",
          "1 /Probe/"}},
        {"one father, mother unknown",
         "0 @F5@ FAM\n1 HUSB @I24@\n0 @F6@ FAM\n1 HUSB @I24@\n",
         {"Halbgeschwister - Vater", "", "12 14 /Berg/Berg/", "", "Einzelpersonen", "",
          "1 /Probe/"}},
        {"one mother, two husbands",
         "0 @F5@ FAM\n1 HUSB @I24@\n1 WIFE @I25@\n0 @F6@ FAM\n1 HUSB @I29@\n1 WIFE @I25@\n",
         {"Halbgeschwister - Mutter", "", "12 14 /Berg/Berg/", "", "Einzelpersonen", "",
          "1 /Probe/"}},
        {"no implex", "", {"Einzelpersonen", "", "1 /Probe/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool implex = !c.families.empty();
        EXPECT_EQ(WrittenLines(Pedigree(c.families, c.fatherOf14), implex ? 1 : 0, implex ? 2 : 0),
                  c.expected);
    }
}

TEST(SiblingGroups, FatherOfSeveralMarriagesGivesOneHalfAndOneFullGroupPerCouple)
{
    // I24 is also the father of I10, the father of the proband's paternal grandmother I5.
    std::string gedcom = Pedigree(
        "0 @I5@ INDI\n1 FAMC @F8@\n0 @I10@ INDI\n1 NAME /Berg/\n1 FAMC @F7@\n"
        "0 @I11@ INDI\n0 @I4@ INDI\n0 @F5@ FAM\n1 HUSB @I24@\n1 WIFE @I25@\n"
        "0 @F7@ FAM\n1 HUSB @I24@\n1 WIFE @I29@\n0 @F8@ FAM\n1 HUSB @I10@\n1 WIFE @I11@\n"
        "0 @F9@ FAM\n1 HUSB @I4@\n1 WIFE @I5@\n",
        "F5");
    std::string::size_type i2 = gedcom.find("0 @I2@ INDI\n");
    gedcom.insert(i2 + 12, "1 FAMC @F9@\n");
    EXPECT_EQ(WrittenLines(gedcom, 2, 5),
              (Lines{"Vollgeschwister", "", "12 14 /Berg/Berg/", "", "Halbgeschwister - Vater", "",
                     "12 14 10 /Berg/Berg/Berg/", "", "Einzelpersonen", "", "1 /Probe/"}));
}

TEST(SiblingGroups, MinimumNumbersAreTheSmallestAndStopAtTheDepthLimit)
{
    // A chain of 70 generations whose couples are brother and sister from generation 60 on.
    const int64_t generations = 70;
    TAhnenData data(2 * generations + 1, generations);
    data.Persons[0].ParentFamily = 0;
    for (int64_t g = 0; g < generations; ++g) {
        int64_t father = 2 * g + 1, mother = 2 * g + 2;
        data.Families[g].Husband = father;
        data.Families[g].Wife = mother;
        if (g + 1 == generations) continue;
        data.Persons[father].ParentFamily = static_cast<int32_t>(g + 1);
        if (g >= 59) data.Persons[mother].ParentFamily = static_cast<int32_t>(g + 1);
    }
    data.LinkFamilies();
    TArrayOfInt64 minimum = MinimumKekuleNumbers(data, 0);
    EXPECT_EQ(minimum[0], 1);
    EXPECT_EQ(minimum[1], 2);
    EXPECT_EQ(minimum[2], 3);
    // Generation 61: the couple of the brother and sister of generation 60.
    EXPECT_EQ(minimum[2 * 60 + 1], int64_t{1} << 61);
    EXPECT_EQ(minimum[2 * 61 + 1], int64_t{1} << 62);
    EXPECT_EQ(minimum[2 * 62 + 1], 0);  // beyond 62 generations

    // Siblings of generation 60 and 61 have numbers below 2^62 and can be listed; those of
    // generation 62 could not be read back.
    SiblingGroups groups = BuildSiblingGroups(data, 0);
    ASSERT_EQ(groups.Full.size(), 2u);
    EXPECT_EQ(groups.Full[0].front().Number, int64_t{1} << 60);
    EXPECT_EQ(groups.Full[1].front().Number, int64_t{1} << 61);
}

// A line of fathers: person g + 1 is the father of person g.
TAhnenData FatherLine(int64_t generations)
{
    TAhnenData data(generations + 1, generations);
    for (int64_t g = 0; g < generations; ++g) {
        data.Persons[g].ParentFamily = static_cast<int32_t>(g);
        data.Families[g].Husband = g + 1;
    }
    data.LinkFamilies();
    return data;
}

TEST(SiblingGroups, DepthCutTellsWhetherAncestorsWereLeftOut)
{
    struct Case {
        int64_t generations;
        bool cut;
    } cases[] = {{3, false}, {62, false}, {63, true}, {80, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.generations);
        bool depthCut = !c.cut;
        MinimumKekuleNumbers(FatherLine(c.generations), 0, &depthCut);
        EXPECT_EQ(depthCut, c.cut);
    }
    // The root's own lines decide, not those of the whole file.
    bool depthCut = true;
    MinimumKekuleNumbers(FatherLine(80), 20, &depthCut);
    EXPECT_FALSE(depthCut);
}

}  // namespace
}  // namespace qv
