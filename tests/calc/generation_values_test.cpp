// The per-generation values of small pedigrees with known answers, and a random cross-check.
#include "calc/generation_values.h"

#include <gtest/gtest.h>

#include "calc/calc_class.h"
#include "data/example_family.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

using test::PedigreeBuilder;

struct Expected {
    const char* name;
    int64_t k;
    const char* text;
};

void ExpectTexts(TCalcClass& calc, std::initializer_list<Expected> rows)
{
    for (const Expected& e : rows)
        EXPECT_EQ(calc.GetGenerationText(e.name, e.k), e.text) << e.name << " of " << e.k;
}

TEST(GenerationValues, RootWithFounderParentsAndAChild)
{
    PedigreeBuilder b;
    int64_t root = b.Add('M', b.Add('M'), b.Add('F'));
    b.Add('F', root, b.Add('F'));
    TAhnenData data = b.Build();
    TCalcClass calc(data);
    calc.SetProband(root);
    ExpectTexts(
        calc, {{"atk", -1, "2"},     {"apk", -1, "2"},    {"ik", -1, "0"},     {"a'tk(v)", -1, "2"},
               {"a'pk(v)", -1, "2"}, {"rpk(v)", -1, "1"}, {"rtk(v)", -1, "1"}, {"apk", -2, "4"},
               {"a'tk(v)", -2, "0"}, {"rtk(v)", -2, "0"}, {"ik", 0, "0"},      {"iak", 0, "0"},
               {"vafk", 0, "1"},     {"aapk", 0, "1"},    {"Ik", 0, "NaN"},    {"Rpk(v)", 0, "NaN"},
               {"Atk", 0, "0"},      {"Ink", 0, "0"},     {"k", -3, "-3"},     {"npk", 1, "1"},
               {"ntk", 1, "1"},      {"ink", 1, "0"},     {"apk", 1, "NaN"},   {"Rtk(v)", 1, "NaN"},
               {"npk", -1, "NaN"},   {"ink", 2, "NaN"}});
    EXPECT_EQ(calc.GetGenerationInt("apk", -2), 4);
    EXPECT_EQ(calc.GetGenerationInt("ntk", 1), 1);
    EXPECT_EQ(calc.GetGenerationInt("ntk", -1), 0);
    EXPECT_EQ(calc.GetGenerationInt("ik", -1), 0);
    EXPECT_EQ(calc.GetGenerationInt("k", 7), 7);
}

TEST(GenerationValues, ParentsWhoAreFullSiblings)
{
    PedigreeBuilder b;
    int64_t gf = b.Add('M'), gm = b.Add('F');
    int64_t root = b.Add('F', b.Add('M', gf, gm), b.Add('F', gf, gm));
    TAhnenData data = b.Build();
    TCalcClass calc(data);
    calc.SetProband(root);
    ExpectTexts(calc, {{"apk", -2, "2"},
                       {"ik", -2, "0.5"},
                       {"a'tk(v)", -2, "4"},
                       {"a'pk(v)", -2, "2"},
                       {"Ik", -2, "0.3333"},
                       {"atk-apk", -2, "2"},
                       {"Apk", -2, "4"},
                       {"A'tk(v)", -2, "6"},
                       {"apk", -3, "4"}});
}

TEST(GenerationValues, UnknownParentsAboveARepeatFreeTheirPositions)
{
    // A founder at distance 3 through both parents' mothers' sides.
    PedigreeBuilder b;
    int64_t founder = b.Add('M');
    int64_t aunt = b.Add('F', founder, b.Add('F')), uncle = b.Add('M', founder, b.Add('F'));
    int64_t root = b.Add('M', b.Add('M', b.Add('M'), aunt), b.Add('F', uncle, b.Add('F')));
    TAhnenData data = b.Build();
    TCalcClass calc(data);
    calc.SetProband(root);
    EXPECT_EQ(calc.GetGenerationInt("apk", -3), 7);
    EXPECT_EQ(calc.GetGenerationInt("apk", -4), 16 - 2);
    EXPECT_EQ(calc.GetGenerationInt("apk", -5), 32 - 4);
}

TEST(GenerationValues, PositionsAreTheDirectCountsSummedOverPersons)
{
    for (uint32_t seed = 21; seed <= 26; ++seed) {
        SCOPED_TRACE(seed);
        TAhnenData data = test::RandomPedigree(seed, 60);
        TCalcClass calc(data);
        calc.SetProband(59);
        std::map<int64_t, int64_t> positions;
        for (int64_t p = 0; p < 60; ++p) {
            TArrayOfInt64 direct = calc.GetDirectPaths(p);
            if (calc.Results()[p].DirectUp.Empty()) continue;
            for (size_t g = 0; g < direct.size(); ++g) positions[g] += direct[g];
        }
        for (int64_t g = 0; g < 20; ++g)
            EXPECT_EQ(calc.GetGenerationInt("a'tk(v)", -g), positions[g]) << g;
    }
}

TEST(GenerationValues, ExactRatiosPrintExactly)
{
    // Generations -1 to -4 of the example family's I19: 24 of 30 positions filled, so Ik of -4
    // is 1 - 24/30 (computed as 0.19999…, which must not be cut to 0.1999).
    TAhnenData data = LoadExampleFamily(".");
    TCalcClass calc(data);
    calc.SetProband(data.FindPerson("I19"));
    ExpectTexts(calc, {{"Ik", -4, "0.2"}, {"Apk", -4, "24"}});
}

TEST(GenerationValues, GenerationsBeyondTheTablesAreEmpty)
{
    TAhnenData data = test::RandomPedigree(1, 10);
    TCalcClass calc(data);
    calc.SetProband(9);
    EXPECT_EQ(calc.GetGenerationText("atk", -128), "0");
    EXPECT_EQ(calc.GetGenerationText("atk", -129), "");
    EXPECT_EQ(calc.GetGenerationText("ntk", 129), "");
    EXPECT_EQ(calc.GetGenerationText("ntk", INT64_MIN), "");
    EXPECT_EQ(calc.GetGenerationInt("apk", -200), 0);
    EXPECT_EQ(calc.GetGenerationText("atk", -63), std::to_string(INT64_MIN));
    EXPECT_EQ(calc.GetGenerationText("unknown", -1), "");
}

}  // namespace
}  // namespace qv
