// The details text: which lines a person gets, partner blocks, blank lines, the value rules.
#include "tables/person_details.h"

#include <gtest/gtest.h>

#include "calc/kekule_lists.h"
#include "rtf_reading.h"
#include "tables/kekule_number_list.h"

namespace qv {
namespace {

using test::RtfPlainText;

TPerson Person(const char* id, const char* surname, const char* given, char sex)
{
    TPerson p;
    p.Id = id;
    p.Surname = surname;
    p.GivenNames = given;
    p.Sex = sex;
    return p;
}

TFamilie Family(int64_t husband, int64_t wife, TOrtDatum marriage = {})
{
    TFamilie f;
    f.Husband = husband;
    f.Wife = wife;
    f.Marriage = marriage;
    return f;
}

// A son (the Kekule-1 person), his parents, his mother's father, and his father's second
// wife with her child; names with characters RTF must escape.
TAhnenData Family()
{
    TAhnenData data;
    data.Persons = {
        Person("I1", "Vater", "Paul", 'M'),  Person("I2", "Vater", "Karl", 'M'),
        Person("I3", "Mutter", "Anna", 'F'), Person("I4", "Zweite {geb. Roth}", "Erna", 'F'),
        Person("I5", "Vater", "Ida", 'F'),   Person("I6", "Mutter", "Otto", 'M')};
    data.Persons[2].Birth = {"1 JAN 1900", "Görlitz"};
    data.Persons[3].Death = {"", "C:\\Ort"};
    data.Families = {Family(1, 2, {"1920", "Bautzen"}), Family(1, 3), Family(5, -1)};
    data.Persons[0].ParentFamily = 0;
    data.Persons[4].ParentFamily = 1;
    data.Persons[2].ParentFamily = 2;
    data.LinkFamilies();
    return data;
}

std::string Describe(TCalcClass& calc, int64_t person, DetailsLevel level = DetailsLevel::Basic)
{
    TImageSettings settings;
    settings.ProbandIndex = 0;
    std::optional<std::string> rtf = DescribePerson(calc, settings, person, level);
    return rtf ? RtfPlainText(*rtf) : "(abgebrochen)";
}

TEST(PersonDetails, TemplateListsHaveTheirEntriesInOrder)
{
    const TArrayOfString& basic = DetailsTemplate(DetailsLevel::Basic);
    const TArrayOfString& detailed = DetailsTemplate(DetailsLevel::Detailed);
    ASSERT_EQ(basic.size(), 30u);
    ASSERT_EQ(detailed.size(), 66u);
    EXPECT_EQ(PartnerDetailsTemplate().size(), 9u);
    EXPECT_EQ(basic[8], "Partner:");
    EXPECT_EQ(basic[12], "z(d) = <z(d)>");
    EXPECT_EQ(basic[16], "gb(d) = <gb(d)>");
    // X-chromosomal groups have no gbs line.
    EXPECT_EQ(basic[18], "zx1(d) = <zx1(d)>");
    EXPECT_EQ(basic[21], "gbx1(d) = <gbx1(d)>");
    EXPECT_EQ(basic[29], "gc = <gc>");
    EXPECT_EQ(detailed[18], "z = <z>");
    EXPECT_EQ(detailed[60], "f = <f>");
    EXPECT_EQ(detailed[65], "gc = <gc>");
}

TEST(PersonDetails, AncestorShowsDirectValuesAndPartnersInFamilyOrder)
{
    TAhnenData data = Family();
    TCalcClass calc(data);
    EXPECT_EQ(Describe(calc, 1),
              "Nummer:\tI2\nNachname:\tVater\nVorname:\tKarl\n"
              "\n"
              "Partner:\n"
              "\tNummer:\tI3\n\tNachname:\tMutter\n\tVorname:\tAnna\n"
              "\tGeboren:\t1 JAN 1900 Görlitz\n"
              "\tHeirat:\t\t1920 Bautzen\n"
              "\n"
              "\tNummer:\tI4\n\tNachname:\tZweite {geb. Roth}\n\tVorname:\tErna\n"
              "\tGestorben:\t C:\\Ort\n"
              "\n"
              "kleinste Kekulenummer: 2\n"
              "\n"
              "z(d) = 1\nb(d) = 1/2\ng'b(d) = 1\ngbs(d) = 1\ngb(d) = 11\n"
              "\n"
              "c = 1/2\ngc = 1\n");
}

TEST(PersonDetails, PersonOutsideTheAncestryLosesEveryDirectLine)
{
    TAhnenData data = Family();
    TCalcClass calc(data);
    // The father's second wife: no Kekule number, no direct line, no shared founder.
    EXPECT_EQ(Describe(calc, 3),
              "Nummer:\tI4\nNachname:\tZweite {geb. Roth}\nVorname:\tErna\n"
              "Gestorben:\t C:\\Ort\n"
              "\n"
              "Partner:\n"
              "\tNummer:\tI2\n\tNachname:\tVater\n\tVorname:\tKarl\n"
              "\n");
}

TEST(PersonDetails, DetailedListAddsAllPathsAndTheCoefficients)
{
    TAhnenData data = Family();
    TCalcClass calc(data);
    std::string text = Describe(calc, 2, DetailsLevel::Detailed);
    // The mother: reached directly, and on the X line through her (x2).
    for (const char* line : {"\nz(d) = 1\n", "\nz = 1\n", "\nzx2(d) = 1\n", "\nzx2 = 1\n",
                             "\nf = 0\nfw = 0\nfx = 0\n"}) {
        SCOPED_TRACE(line);
        EXPECT_NE(text.find(line), std::string::npos) << text;
    }
    // No side paths and nothing through the father (x1) of a male Kekule-1 person.
    for (const char* absent : {"z(s)", "zx1", "gbsx"}) {
        SCOPED_TRACE(absent);
        EXPECT_EQ(text.find(absent), std::string::npos) << text;
    }
    // However many groups are empty, blank lines never pile up.
    for (int64_t p = 0; p < 6; ++p)
        for (DetailsLevel level : {DetailsLevel::Basic, DetailsLevel::Detailed})
            EXPECT_EQ(Describe(calc, p, level).find("\n\n\n"), std::string::npos) << p;
}

TEST(PersonDetails, KekuleListsOfAMaleRootUnderlineTheXLineOnly)
{
    TAhnenData data = Family();
    TCalcClass calc(data);
    calc.SetProband(0);
    struct Case {
        int64_t person;
        int64_t number;
        bool underlined;
    } cases[] = {{1, 2, false}, {2, 3, true}, {5, 6, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        KekuleNumberList list = BuildKekuleNumberList(calc.GetValueArray("kekule", c.person), true,
                                                      KekuleListKind::All);
        ASSERT_EQ(list.ranges.size(), 1u);
        EXPECT_EQ(list.ranges[0].number, c.number);
        bool underlined = list.rtf.find("\\ul " + std::to_string(c.number)) != std::string::npos;
        EXPECT_EQ(underlined, c.underlined);
        EXPECT_EQ(calc.GetValueArray("kekulex", c.person).size(), c.underlined ? 1u : 0u);
    }
}

TEST(PersonDetails, MeaningfulValuesFollowTheRulesOfEachFamilyOfNames)
{
    struct Case {
        const char* name;
        const char* text;
        bool meaningful;
    } cases[] = {
        {"z(d)", "0", false},      {"zx1", "3", true},       {"b(s)", "0", false},
        {"bx2(d)", "1/4", true},   {"c", "0", false},        {"c", "1/8", true},
        {"gbs", "NaN", false},     {"g'b(d)", "INF", false}, {"g'bx1", "2.5", true},
        {"gc", "INF", false},      {"gc", "NaN", false},     {"gb(d)", "NaN", false},
        {"g''b", "INF", true},     {"f", "0", true},         {"fx", "NaN", true},
        {"kekule-min", "", false}, {"kmin", "-2", true},     {"kmin", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.text);
        EXPECT_TRUE(IsDetailsMetricName(c.name));
        EXPECT_EQ(IsMeaningfulValue(c.name, c.text), c.meaningful);
    }
    for (const char* other : {"nummer", "nname", "geb-datum", "gbx3"})
        EXPECT_FALSE(IsDetailsMetricName(other)) << other;
}

TEST(PersonDetails, CaptionNamesTheKekuleOnePerson)
{
    TAhnenData data = Family();
    TImageSettings settings;
    EXPECT_EQ(DetailsCaption(data, settings), "Details");
    settings.ProbandIndex = 0;
    settings.KekuleOneIndex = 3;
    EXPECT_EQ(DetailsCaption(data, settings), "Details - Proband: I4 Zweite {geb. Roth}, Erna");
}

}  // namespace
}  // namespace qv
