// Person templates: question marks, capitals, Kekule footnotes, metrics, unknown persons.
#include "app/person_label.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

#include "data/example_family.h"

namespace qv {
namespace {

// A pedigree holding every given Kekule number and its path to the root; the numbers in same
// are one person (a man at even, a woman at odd places of his or her families).
TAhnenData Pedigree(const std::vector<int64_t>& numbers, const std::set<int64_t>& same)
{
    TAhnenData data;
    std::map<int64_t, int64_t> person;
    int64_t shared = -1;
    auto personAt = [&](int64_t n) {
        if (auto it = person.find(n); it != person.end()) return it->second;
        if (same.count(n) && shared >= 0) return person[n] = shared;
        data.Persons.emplace_back();
        data.Persons.back().Id = "I" + std::to_string(n);
        person[n] = static_cast<int64_t>(data.Persons.size()) - 1;
        if (same.count(n)) shared = person[n];
        return person[n];
    };
    personAt(1);
    for (int64_t number : numbers) {
        std::vector<int64_t> path;
        for (int64_t n = number; n > 1; n /= 2) path.insert(path.begin(), n);
        for (int64_t n : path) {
            int64_t child = personAt(n / 2), parent = personAt(n);
            if (data.Persons[child].ParentFamily < 0) {
                data.Persons[child].ParentFamily = static_cast<int32_t>(data.Families.size());
                data.Families.emplace_back();
            }
            TFamilie& f = data.Families[data.Persons[child].ParentFamily];
            (n % 2 == 0 ? f.Husband : f.Wife) = parent;
        }
    }
    data.LinkFamilies();
    return data;
}

struct Labels {
    TAhnenData data;
    TCalcClass calc{data};
    TImageSettings settings;
    TFootNotes footnotes;

    explicit Labels(TAhnenData d) : data(std::move(d)) { settings.ProbandIndex = 0; }
    std::string Expand(int64_t person, const std::string& text, bool footnoteMode = false,
                       bool questionMarks = false)
    {
        return ExpandPersonLabel(data, calc, person, settings, text, footnoteMode, questionMarks,
                                 footnotes);
    }
};

TEST(PersonLabel, QuestionMarksFillEmptyValuesOnly)
{
    TAhnenData data(1, 0);
    data.Persons[0].Id = "I7";
    data.Persons[0].Surname = "Strauß";
    data.Persons[0].GivenNames = "  ";
    data.Persons[0].Birth.Place = " Görlitz ";
    Labels l(std::move(data));
    EXPECT_EQ(l.Expand(0, "<NName>, <VName>", false, true), "Strauß, ?");
    EXPECT_EQ(l.Expand(0, "<NName>, <VName>", false, false), "Strauß, ");
    EXPECT_EQ(l.Expand(0, "<NNAME> (<Nummer>) *<Geb-Datum> <Geb-Ort>", false, true),
              "STRAUSS (I7) *?  Görlitz ");
    EXPECT_EQ(l.Expand(0, "<nname> <Unbekannt>"), "<nname> <Unbekannt>");
    EXPECT_EQ(l.Expand(1, "<NName>"), "");
    EXPECT_EQ(l.Expand(-1, "<NName>"), "");
}

TEST(PersonLabel, KekuleListsBecomeLinesFootnotesOrTheSmallestNumber)
{
    Labels l(Pedigree({12, 45, 1033, 7}, {12, 45, 1033}));
    int64_t shared = l.data.FindPerson("I12");
    l.settings.Tree.FootnoteThreshold = 10;
    EXPECT_EQ(l.Expand(shared, "<Kekule>", true), "12\r\n45\r\n1033");
    EXPECT_TRUE(l.footnotes.empty());

    l.settings.Tree.FootnoteThreshold = 3;
    EXPECT_EQ(l.Expand(shared, "[<Kekule>] [<Kekule>]", true), "[12)] [12)]");
    ASSERT_EQ(l.footnotes.size(), 1u);
    EXPECT_EQ(l.footnotes[0].Key, "12)");
    EXPECT_EQ(l.footnotes[0].Value, "12, 45, 1033");

    // Only 45 lies on X lines: 12 and 1033 pass from a father to his father.
    l.settings.Tree.FootnoteThreshold = 1;
    EXPECT_EQ(l.Expand(shared, "<KekuleX>", true), "45\x0Ex\x0F)");
    EXPECT_EQ(l.footnotes.back().Value, "45");
    l.settings.Tree.FootnoteThreshold = 2;
    EXPECT_EQ(l.Expand(shared, "<KekuleX>", true), "45");

    EXPECT_EQ(l.Expand(shared, "<Kekule>"), "12");
    EXPECT_EQ(l.Expand(l.data.FindPerson("I7"), "<Kekule>/<Kekule-Min>"), "7/7");
}

TEST(PersonLabel, NonAncestorsHaveNoKekuleNumbersInAnyMode)
{
    Labels l(Pedigree({2, 3}, {}));
    l.settings.ProbandIndex = 1;  // the root's father: the root is no ancestor of his
    l.settings.Tree.FootnoteThreshold = 0;
    for (bool footnoteMode : {false, true})
        EXPECT_EQ(l.Expand(0, "[<Kekule>][<KekuleX>]", footnoteMode), "[][]");
    EXPECT_TRUE(l.footnotes.empty());
}

TEST(PersonLabel, MetricsAreReplacedByName)
{
    TAhnenData example = LoadExampleFamily(".");
    Labels l(std::move(example));
    l.settings.ProbandIndex = l.data.FindPerson("I19");
    int64_t person = l.data.FindPerson("I1");
    l.calc.SetProband(l.settings.ProbandIndex);
    std::string expected = l.calc.GetValueText("gbs(d)", person) + " <gbs(x)> " +
                           l.calc.GetValueText("g''bx2(s)", person);
    EXPECT_EQ(l.Expand(person, "<gbs(d)> <gbs(x)> <g''bx2(s)>"), expected);
    EXPECT_EQ(l.Expand(person, "<z>"), "2");
    // The engine follows the Kekule-1 person.
    l.settings.KekuleOneIndex = l.data.FindPerson("I17");
    EXPECT_EQ(l.Expand(person, "<Kekule>"), "12");
    EXPECT_EQ(l.calc.Proband(), l.data.FindPerson("I17"));
}

TEST(PersonLabel, TextFromTheFileIsNeverReadAsAPlaceholder)
{
    TAhnenData data = Pedigree({2, 3}, {});
    data.Persons[0].Surname = "a<b>c";
    data.Persons[0].GivenNames = "<NName>";
    data.Persons[0].Birth.Place = "<Kekule> <gb(d)> <Nummer>";
    data.Persons[0].Death.Date = "<Tod-Ort>";
    data.Persons[0].Death.Place = "<Tod-Datum>";
    Labels l(std::move(data));
    l.settings.Tree.FootnoteThreshold = 1;
    struct Case {
        const char* templateText;
        const char* expected;
    } cases[] = {
        {"<NName>", "a<b>c"},
        {"<NNAME>|<VName>", "A<B>C|<NName>"},
        {"<Geb-Ort>|<b>", "<Kekule> <gb(d)> <Nummer>|1"},
        {"<Tod-Datum>|<Tod-Ort>", "<Tod-Ort>|<Tod-Datum>"},
        {"<<NName>>", "<a<b>c>"},
        {"<Kekule>|<Kekule>|<Geb-Ort>", "1)|1)|<Kekule> <gb(d)> <Nummer>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateText);
        EXPECT_EQ(l.Expand(0, c.templateText, true), c.expected);
    }
    EXPECT_EQ(l.footnotes.size(), 1u) << "one footnote however often <Kekule> occurs";
}

TEST(PersonLabel, PersonsUnknownToTheEngineGetNamesAndEventsOnly)
{
    TAhnenData original = Pedigree({2, 3}, {});
    TCalcClass calc(original);
    TAhnenData copy = original;
    copy.Persons.emplace_back();
    copy.Persons.back().Surname = "Platzhalter";
    TImageSettings settings;
    settings.ProbandIndex = 0;
    TFootNotes footnotes;
    EXPECT_EQ(
        ExpandPersonLabel(copy, calc, 3, settings, "<NName> <Kekule> <gb>", true, true, footnotes),
        "Platzhalter <Kekule> <gb>");
}

TEST(PersonLabel, PresetsFollowTheLabelModeAndCapitals)
{
    TImageSettings s;
    s.Tree.Label = 2;
    s.Tree.LabelsSurnameCaps = true;
    s.Triangle.Label = 3;
    s.Triangle.LabelCustomText = {"<NName> <VName>", "<Kekule>"};
    EXPECT_EQ(PersonLabelTemplate(s, ChartKind::TreeChart), (TArrayOfString{"<NNAME>", "<VName>"}));
    EXPECT_EQ(PersonLabelTemplate(s, ChartKind::Triangle), s.Triangle.LabelCustomText);
    s.Triangle.LabelsSurnameCaps = true;
    EXPECT_EQ(PersonLabelTemplate(s, ChartKind::Triangle),
              (TArrayOfString{"<NNAME> <VName>", "<Kekule>"}));
    s.Tree.Label = 1;
    EXPECT_EQ(PersonLabelTemplate(s, ChartKind::TreeChart), TArrayOfString{"<Kekule>"});
    s.Tree.Label = 0;
    EXPECT_TRUE(PersonLabelTemplate(s, ChartKind::TreeChart).empty());

    // The capitals preset on a real name: full Unicode upper-casing.
    TAhnenData data(1, 0);
    data.Persons[0].Surname = "Müller";
    Labels l(std::move(data));
    s.Tree.Label = 2;
    EXPECT_EQ(l.Expand(0, PersonLabelTemplate(s, ChartKind::TreeChart)[0]), "MÜLLER");
}

}  // namespace
}  // namespace qv
