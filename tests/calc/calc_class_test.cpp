// The engine: values by name for the classic cases, caching, Calculate's order and cancel.
#include "calc/calc_class.h"

#include <sstream>

#include <gtest/gtest.h>

#include "calc/metric_names.h"
#include "data/ahnen_data.h"
#include "data/data_file.h"
#include "data/error.h"
#include "pedigree_builder.h"
#include "superscript.h"
#include "test_support.h"

namespace qv {
namespace {

using test::PedigreeBuilder;
using test::Sup;

// values: "name=text" pairs separated by blanks, superscripts written as in Sup.
void ExpectValues(TCalcClass& calc, int64_t person, const std::string& values)
{
    std::istringstream pairs(values);
    for (std::string pair; pairs >> pair;) {
        size_t equals = pair.find('=');
        std::string name = pair.substr(0, equals);
        EXPECT_EQ(calc.GetValueText(name, person), Sup(pair.substr(equals + 1))) << name;
    }
}

// The root (index 8) is the child of first cousins: its grandmothers 2 and 3 are sisters,
// daughters of 0 and 1; 9 is the root's full sibling, 10 its child.
struct CousinMarriage {
    PedigreeBuilder b;
    int64_t gf = b.Add('M'), gm = b.Add('F');
    int64_t sister1 = b.Add('F', gf, gm), sister2 = b.Add('F', gf, gm);
    int64_t father = b.Add('M', b.Add('M'), sister1);
    int64_t mother = b.Add('F', b.Add('M'), sister2);
    int64_t root = b.Add('F', father, mother);
    int64_t sibling = b.Add('M', father, mother);
    int64_t child = b.Add('M', b.Add('M'), root);
    int64_t stranger = b.Add('M');
    TAhnenData data = b.Build();
};

TEST(CalcClass, ChildOfFirstCousins)
{
    CousinMarriage family;
    TCalcClass calc(family.data);
    calc.SetProband(family.root);
    EXPECT_EQ(calc.GetDirectPaths(family.gf), (TArrayOfInt64{0, 0, 0, 2}));
    EXPECT_EQ(calc.GetKekuleNumbers(family.gf), (TArrayOfInt64{10, 14}));
    ExpectValues(calc, family.gf,
                 "z(d)=2 gb(d)=3[2] b(d)=1/4 kmin=-3 kekule-min=10 gbs(d)=3 g'b(d)=2 zx1(d)=1");
    ExpectValues(calc, family.root,
                 "f=0.0625 fw=0.0625 fx=0.1875 z(d)=1 gb(d)=0[1] b(d)=1 g'b(d)=0 kmin=0 "
                 "kekule-min=1 c=1 gc=0 z=1");
    ExpectValues(calc, family.sibling,
                 "gb=2[2]6[4] z(d)=0 gb(d)=NaN kmin= kekule-min= gb(s)=2[2]6[4] fx=1");
    ExpectValues(calc, family.child, "gb(d)=1[1] kmin=1");
    ExpectValues(calc, family.stranger,
                 "z=0 gb=NaN gbs=NaN b=0 g'b=INF g''b=NaN kmin= kekule-min= c=0 gc=INF");
    EXPECT_EQ(calc.GetValueInt("kmin", family.stranger), kNoKmin);
    EXPECT_EQ(calc.GetValueInt("z(d)", family.gf), 2);
    EXPECT_EQ(calc.GetValueReal("b(d)", family.gf), 0.25);
    EXPECT_EQ(calc.GetValueArray("g''b", family.sibling), (TArrayOfInt64{0, 1, 0, 0, 1, 0, 0}));
}

TEST(CalcClass, ChildOfHalfSiblings)
{
    PedigreeBuilder b;
    int64_t shared = b.Add('M');
    int64_t brother = b.Add('M', shared, b.Add('F')), sister = b.Add('F', shared, b.Add('F'));
    int64_t root = b.Add('F', brother, sister);
    int64_t halfSibling = b.Add('M', b.Add('M'), sister);
    TAhnenData data = b.Build();
    TCalcClass calc(data);
    calc.SetProband(root);
    ExpectValues(calc, root, "f=0.125 fw=0.125 fx=0 c=1");
    ExpectValues(calc, shared, "gb(d)=2[2] kekule-min=4");
    ExpectValues(calc, halfSibling, "gb=2[1]4[1] c=3/8");
}

TEST(CalcClass, HalfSiblingSharesAQuarterOfTheFounders)
{
    PedigreeBuilder b;
    int64_t shared = b.Add('F');
    int64_t root = b.Add('M', b.Add('M'), shared), halfSibling = b.Add('F', b.Add('M'), shared);
    TAhnenData data = b.Build();
    TCalcClass calc(data);
    calc.SetProband(root);
    ExpectValues(calc, halfSibling, "c=1/4 gc=2 gb=2[1]");
    ExpectValues(calc, root, "c=1 f=0 fx=1");
}

TEST(CalcClass, EveryNameHasATextForEveryKindOfPerson)
{
    CousinMarriage family;
    TCalcClass calc(family.data);
    calc.SetProband(family.root);
    std::vector<std::string> names = PersonMetricNames();
    ASSERT_EQ(names.size(), 60u);
    for (int64_t person : {family.root, family.gf, family.child, family.stranger}) {
        for (const std::string& name : names) {
            std::string text = calc.GetValueText(name, person);
            EXPECT_EQ(text.empty(), name == "kmin" && person == family.stranger) << name;
        }
    }
    EXPECT_EQ(calc.GetValueText("unknown", family.root), "");
    EXPECT_EQ(calc.GetValueArray("gbs", family.root), TArrayOfInt64{});
}

TEST(CalcClass, PersonsOutsideTheDataReadAsUnrelated)
{
    CousinMarriage family;
    TCalcClass calc(family.data);
    calc.SetProband(family.root);
    for (int64_t outside : {int64_t{-1}, calc.PersonCount(), int64_t{1} << 40}) {
        ExpectValues(calc, outside, "z=0 gb(d)=NaN kmin= f=0 c=0");
        EXPECT_EQ(calc.GetValueArray("kekule", outside), TArrayOfInt64{});
    }
    calc.SetProband(calc.PersonCount() + 5);
    ExpectValues(calc, family.root, "z(d)=0 kekule-min=");
}

TEST(CalcClass, RootChangesKeepOnlyTheRootIndependentValues)
{
    CousinMarriage family;
    TCalcClass calc(family.data);
    calc.SetProband(family.root);
    calc.GetF(family.root);
    calc.GetC(family.root);
    calc.GetPaths(family.sibling);
    calc.SetProband(family.root);
    EXPECT_TRUE(calc.Results()[family.sibling].PathsDone);
    calc.SetProband(family.child);
    const TPersonResult& r = calc.Results()[family.root];
    EXPECT_TRUE(r.FDone);
    EXPECT_FALSE(r.CDone);
    EXPECT_FALSE(calc.Results()[family.sibling].PathsDone);
    EXPECT_TRUE(r.KekuleMinDone && r.DirectDone);
    EXPECT_EQ(calc.GetValueText("kmin", family.root), "-1");
    EXPECT_EQ(calc.GetValueText("gb", family.sibling), Sup("3[2]7[4]"));
}

TEST(CalcClass, CalculateReportsItsStepsInOrder)
{
    CousinMarriage family;
    std::vector<std::string> texts;
    TCalcClass calc(family.data, [&](const std::string& text, int64_t, int64_t) {
        if (texts.empty() || texts.back() != text) texts.push_back(text);
        return false;
    });
    calc.SetProband(family.root);
    EXPECT_EQ(texts, (std::vector<std::string>{"Berechnungen für Generationen", ""}));
    texts.clear();
    TArrayOfBoolean one(family.data.Persons.size(), false);
    one[family.gf] = true;
    calc.SetRequired(one);
    EXPECT_TRUE(calc.Calculate(0x07FF));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Berechne <Kekule>", "Berechnungen für Generationen", "Berechne <f>",
                         "Berechne <fw>", "Berechne <fx>", "Berechne <gbd>", "Berechne <gb>",
                         "Berechne <gbx(d)>", "Berechne <gbx>", "Berechne <c>", ""}));
    // Recomputing the tables in Calculate keeps the required persons as they were set.
    EXPECT_TRUE(calc.Results()[family.gf].CDone);
    EXPECT_FALSE(calc.Results()[family.stranger].CDone);
    texts.clear();
    EXPECT_TRUE(calc.Calculate(0x07FF));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Berechne <f>"), 0);
}

TEST(CalcClass, CancelAtFSkipsPathCountsButNotC)
{
    CousinMarriage family;
    std::vector<std::string> texts;
    TCalcClass calc(family.data, [&](const std::string& text, int64_t, int64_t) {
        texts.push_back(text);
        return text == "Berechne <f>";
    });
    calc.SetProband(family.root);
    texts.clear();
    EXPECT_FALSE(calc.Calculate(kCalcF | kCalcFW | kCalcPaths | kCalcC));
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Berechne <fw>"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Berechne <gb>"), 0);
    EXPECT_GT(std::count(texts.begin(), texts.end(), "Berechne <c>"), 0);
    const TPersonResult& r = calc.Results()[0];
    EXPECT_FALSE(r.FDone || r.FWDone || r.PathsDone);
    EXPECT_TRUE(r.CDone);
}

TEST(CalcClass, CancelDuringThePathCountLeavesNoPathsAndResumes)
{
    // 150 generations of brother-sister marriages: long enough for the count to ask.
    PedigreeBuilder b;
    int64_t man = b.Add('M'), woman = b.Add('F');
    for (int g = 0; g < 150; ++g) {
        int64_t son = b.Add('M', man, woman);
        woman = b.Add('F', man, woman);
        man = son;
    }
    TAhnenData data = b.Build();
    int asked = 0;
    TCalcClass calc(data, [&](const std::string& text, int64_t, int64_t) {
        return text == "Berechne <gb>" && ++asked == 2;
    });
    calc.SetProband(man);
    EXPECT_FALSE(calc.Calculate(kCalcPaths));
    EXPECT_EQ(asked, 2);
    for (const TPersonResult& r : calc.Results()) EXPECT_FALSE(r.PathsDone);
    EXPECT_TRUE(calc.Results()[man].DirectDone);
    EXPECT_TRUE(calc.Calculate(kCalcPaths));
    TCalcClass fresh(data);
    fresh.SetProband(man);
    for (int64_t p : {int64_t{0}, man, woman, man - 7})
        EXPECT_EQ(calc.GetValueText("gb", p), fresh.GetValueText("gb", p)) << p;
}

TEST(CalcClass, KekuleListsWaitForTheirFirstRequest)
{
    CousinMarriage family;
    TCalcClass calc(family.data);
    calc.SetProband(family.root);
    EXPECT_TRUE(calc.Calculate(RequiredFlags("<KekuleX>")));
    EXPECT_FALSE(calc.Results()[family.gf].KekuleDone);
    EXPECT_EQ(calc.GetValueArray("kekulex", family.gf), (TArrayOfInt64{10, 14}));
}

TEST(CalcClass, CyclicAncestryLeavesNoRoot)
{
    PedigreeBuilder b;
    int64_t a = b.Add('M');
    int64_t child = b.Add('F', a, b.Add('F'));
    TAhnenData data = b.Build();
    data.Persons[a].ParentFamily = data.Persons[child].ParentFamily;
    TCalcClass calc(data);
    try {
        calc.SetProband(child);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Zirkelbezug in der Abstammung: I1 (?, ?) ist eigener Vorfahre.");
    }
    EXPECT_EQ(calc.Proband(), -1);
    EXPECT_EQ(calc.GetValueText("z(d)", child), "0");
}

// Person i + 1 is the only child of person i.
TAhnenData Chain(int64_t length)
{
    TAhnenData data(length, length - 1);
    for (int64_t i = 1; i < length; ++i) {
        data.Persons[i].ParentFamily = static_cast<int32_t>(i - 1);
        data.Families[i - 1].Wife = i - 1;
    }
    data.LinkFamilies();
    return data;
}

TEST(CalcClass, HundredThousandGenerationsOfDescendants)
{
    TAhnenData data = Chain(100'000);
    TCalcClass calc(data);
    calc.SetProband(0);
    TArrayOfBoolean some(100'000, false);
    some[99'999] = some[500] = true;
    calc.SetRequired(some);
    ASSERT_TRUE(calc.Calculate(0x07FF));
    ExpectValues(calc, 99'999, "gb(d)=99999[1] kmin=99999 z=1 gbx2=99999[1] fw=0 c=0 b=0");
    EXPECT_EQ(calc.Results()[99'999].DirectDown.Stored().size(), 1u);
    EXPECT_EQ(calc.GetGenerationText("ntk", 128), "1");
    EXPECT_EQ(calc.GetGenerationText("npk", 5), "1");
    EXPECT_FALSE(calc.DepthCut());

    calc.SetProband(99'999);
    EXPECT_TRUE(calc.DepthCut());
    ExpectValues(calc, 0, "gb(d)=99999[1] kekule-min= kmin=-99999 gb=99999[1]");
    ExpectValues(calc, 99'999 - 62, "kekule-min=9223372036854775807");
    EXPECT_EQ(calc.GetGenerationText("a'tk(v)", -62), "1");
    EXPECT_EQ(calc.GetGenerationText("a'tk(v)", -63), "0");
}

TEST(CalcClass, QueenRootedAtElizabethIIGivesGenerationTables)
{
    QV_REQUIRE_TESTDATA();
    auto data = OpenDataFile(test::TestDataFile("Queen.ged"));
    TCalcClass calc(*data);
    calc.SetProband(data->FindPerson("I3062"));
    ASSERT_TRUE(calc.Calculate(0));
    EXPECT_TRUE(calc.DepthCut());
    EXPECT_EQ(calc.GetGenerationText("a'tk(v)", -2), "4");
    EXPECT_EQ(calc.GetGenerationText("atk", -62), "4611686018427387904");
    for (int64_t k = -128; k <= 128; ++k)
        for (const std::string& name : GenerationMetricNames())
            EXPECT_FALSE(calc.GetGenerationText(name, k).empty());
}

}  // namespace
}  // namespace qv
