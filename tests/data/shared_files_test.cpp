// End-to-end reading of the team's real GEDCOM files.
#include <algorithm>

#include <gtest/gtest.h>

#include "data/data_file.h"
#include "test_support.h"

namespace qv {
namespace {

using test::TestDataFile;

TEST(SharedFiles, EveryIndiAndFamRecordIsRead)
{
    QV_REQUIRE_TESTDATA();
    // Counted independently: level-0 records "0 @<id>@ INDI" / "FAM" up to the trailer.
    struct Case {
        const char* file;
        size_t persons;
        size_t families;
    } cases[] = {
        {"5.5.1 sample 3.ged", 4578, 1305}, {"555SAMPLE.GED", 3, 2},
        {"555SAMPLE16BE.GED", 3, 2},        {"555SAMPLE16LE.GED", 3, 2},
        {"Ancient_Kingdoms.ged", 1828, 1041}, {"EnglishTudorRoyalFamily.ged", 347, 200},
        {"GoT.ged", 501, 172},              {"Irish+Kings.ged", 178, 113},
        {"IvarKingOfDublin.ged", 1288, 495}, {"Japanese+Imperial+Family.ged", 187, 167},
        {"Kennedy+Family.ged", 69, 19},     {"Musterstammbaum.ged", 20, 11},
        {"Queen.ged", 4683, 2863},          {"Simpsons+Cartoon+Family+Tree.ged", 11, 3},
        {"TGC551.ged", 15, 7},              {"TGC551LF.ged", 15, 7},
        {"TGC55C.ged", 15, 7},              {"TGC55CLF.ged", 15, 7},
        {"US+Presidents+Trees+I.ged", 2145, 1042}, {"assess.ged", 262, 24},
        {"bach.ged", 33, 14},               {"bourbon.ged", 303, 139},
        {"bullinger.ged", 948, 343},        {"cp1252-crlf.ged", 1, 0},
        {"kennedy.ged", 208, 75},           {"pres2020.ged", 2322, 1115},
        {"royal92.ged", 3010, 1422},        {"rozanov.ged", 2695, 1279},
        {"shakespeare.ged", 31, 11},        {"tree1.ged", 1032, 310},
        {"tsars.ged", 41, 15},              {"washington.ged", 529, 114},
        {"willis-ansel.ged", 761, 293},     {"willis-ascii.ged", 761, 293},
        {"willis-unicode-bigendian.ged", 761, 293},
        {"willis-unicode-littleendian.ged", 761, 293},
        {"willis.ged", 761, 293},           {"wmm.ged", 5596, 1857},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        auto data = OpenDataFile(TestDataFile(c.file));
        EXPECT_EQ(data->Persons.size(), c.persons);
        EXPECT_EQ(data->Families.size(), c.families);
        EXPECT_TRUE(data->Warnings.empty());
    }
}

TEST(SharedFiles, NamesKeepTheirLetters)
{
    QV_REQUIRE_TESTDATA();
    auto queen = OpenDataFile(TestDataFile("Queen.ged"));
    bool found = false;
    for (const TPerson& p : queen->Persons)
        found = found || p.Surname == "Hlöðvir Þorfinnsson, I, Earl of Orkney";
    EXPECT_TRUE(found);
    EXPECT_EQ(OpenDataFile(TestDataFile("tsars.ged"))->Persons[0].Surname, "Романов");
    EXPECT_EQ(OpenDataFile(TestDataFile("Ancient_Kingdoms.ged"))->Persons[0].GivenNames,
              "Мардук-апла-иддин I");
    EXPECT_EQ(OpenDataFile(TestDataFile("bourbon.ged"))->Persons[0].Birth.Place,
              ", Fontainebleau, 77186, Seine-et-Marne, Île-de-France, FRANCE");
    auto rozanov = OpenDataFile(TestDataFile("rozanov.ged"));
    EXPECT_EQ(rozanov->Persons[rozanov->FindPerson("I2240")].GivenNames,
              "Gormsson Knut \"Danaást\"");
}

TEST(SharedFiles, EmptyFamilyAfterTheRealOneKeepsTheAncestry)
{
    QV_REQUIRE_TESTDATA();
    // Richard de Montfort (I70) has FAMC @F41@, his parents, then @F44@, a family with neither
    // husband nor wife. Counted independently: 91 ancestors of Louis XVI (I18) in 34 generations.
    auto bourbon = OpenDataFile(TestDataFile("bourbon.ged"));
    EXPECT_EQ(bourbon->Families[bourbon->Persons[bourbon->FindPerson("I70")].ParentFamily].Id,
              "F41");
    TArrayOfArrayOfInt64 numbers = bourbon->ComputeKekuleNumbers(bourbon->FindPerson("I18"));
    auto numbered = std::count_if(numbers.begin(), numbers.end(),
                                  [](const TArrayOfInt64& list) { return !list.empty(); });
    EXPECT_EQ(numbered, 1 + 91);
}

void ExpectSameModel(const TAhnenData& a, const TAhnenData& b)
{
    ASSERT_EQ(a.Persons.size(), b.Persons.size());
    for (size_t i = 0; i < a.Persons.size(); ++i) {
        const TPerson &p = a.Persons[i], &q = b.Persons[i];
        EXPECT_EQ(std::tie(p.Id, p.Surname, p.GivenNames, p.Sex, p.ParentFamily, p.Children),
                  std::tie(q.Id, q.Surname, q.GivenNames, q.Sex, q.ParentFamily, q.Children));
        EXPECT_EQ(std::tie(p.Birth, p.Christening, p.Death, p.Burial),
                  std::tie(q.Birth, q.Christening, q.Death, q.Burial));
    }
    ASSERT_EQ(a.Families.size(), b.Families.size());
    for (size_t i = 0; i < a.Families.size(); ++i) {
        EXPECT_EQ(a.Families[i].Husband, b.Families[i].Husband);
        EXPECT_EQ(a.Families[i].Wife, b.Families[i].Wife);
        EXPECT_EQ(a.Families[i].Marriage, b.Families[i].Marriage);
    }
}

TEST(SharedFiles, SameFamilyInEveryEncodingGivesTheSameModel)
{
    QV_REQUIRE_TESTDATA();
    auto ascii = OpenDataFile(TestDataFile("willis-ascii.ged"));
    for (const char* file : {"willis-ansel.ged", "willis-unicode-bigendian.ged",
                             "willis-unicode-littleendian.ged"}) {
        SCOPED_TRACE(file);
        ExpectSameModel(*ascii, *OpenDataFile(TestDataFile(file)));
    }
    auto utf8 = OpenDataFile(TestDataFile("555SAMPLE.GED"));
    for (const char* file : {"555SAMPLE16BE.GED", "555SAMPLE16LE.GED"}) {
        SCOPED_TRACE(file);
        ExpectSameModel(*utf8, *OpenDataFile(TestDataFile(file)));
    }
    // CR-only and CR LF line ends.
    ExpectSameModel(*OpenDataFile(TestDataFile("TGC55C.ged")),
                    *OpenDataFile(TestDataFile("TGC55CLF.ged")));
}

}  // namespace
}  // namespace qv
