// Gathering the frequency diagram's persons, counts and generation range from the engine.
#include "charts/frequency/diagram_data.h"

#include <gtest/gtest.h>

#include "charts/frequency/diagram_fixture.h"
#include "data/error.h"

namespace qv {
namespace {

TImageSettings Selecting(std::initializer_list<int64_t> persons, int64_t proband = 7)
{
    TImageSettings settings;
    settings.ProbandIndex = proband;
    for (int64_t p : persons) settings.SetSelected(p, true);
    return settings;
}

TEST(DiagramData, PersonsInIndexOrderWithLabelsCountsColoursAndCurves)
{
    TAhnenData data = test::CollapsedPedigree();
    TCalcClass calc(data);
    TImageSettings settings = Selecting({6, 0, 8});
    std::optional<DiagramData> diagram = CollectDiagramData(calc, settings);
    ASSERT_TRUE(diagram);
    EXPECT_EQ(diagram->value, "gb(d)");
    ASSERT_EQ(diagram->persons.size(), 3u);
    const DiagramPerson& alt = diagram->persons[0];
    EXPECT_EQ(alt.label, "Alt, Anton");
    EXPECT_EQ(alt.Count(2), 1);
    EXPECT_EQ(alt.Count(3), 1);
    EXPECT_EQ(alt.Count(99), 0);
    ASSERT_TRUE(alt.curve);
    EXPECT_DOUBLE_EQ(alt.curve->mean, 2.5);
    EXPECT_DOUBLE_EQ(alt.curve->deviation, 0.5);
    EXPECT_EQ(diagram->persons[1].label, "Mutter, Gerda");
    EXPECT_FALSE(diagram->persons[1].curve) << "the mother occurs in generation 1 only";
    EXPECT_FALSE(diagram->persons[2].curve) << "a stranger never occurs";
    EXPECT_EQ(diagram->first, 1);
    EXPECT_EQ(diagram->last, 3);
    EXPECT_EQ(alt.color, DiagramColor(1, 3));
    EXPECT_EQ(diagram->persons[2].color, DiagramColor(3, 3));
}

TEST(DiagramData, TheValueSettingChoosesTheMetric)
{
    TAhnenData data = test::CollapsedPedigree();
    TCalcClass calc(data);
    TImageSettings settings = Selecting({0});
    settings.FrequencyValue = 6;  // "gb(s)": side lines only, none here
    std::optional<DiagramData> diagram = CollectDiagramData(calc, settings);
    ASSERT_TRUE(diagram);
    EXPECT_EQ(diagram->value, "gb(s)");
    EXPECT_FALSE(diagram->persons[0].curve);
    // Nobody occurs: the range is generation 0 alone rather than an empty or reversed one.
    EXPECT_EQ(diagram->first, 0);
    EXPECT_EQ(diagram->last, 0);
}

TEST(DiagramData, CountsAreTheProbandsEvenWithAnotherKekuleOnePerson)
{
    TAhnenData data = test::CollapsedPedigree();
    TCalcClass calc(data);
    TImageSettings settings = Selecting({0});
    settings.KekuleOneIndex = 6;  // the mother: Alt would be in generation 2 only
    std::optional<DiagramData> diagram = CollectDiagramData(calc, settings);
    ASSERT_TRUE(diagram);
    EXPECT_EQ(diagram->first, 2);
    EXPECT_EQ(diagram->last, 3);
}

TEST(DiagramData, MissingProbandOrSelectionIsRefusedWithTheUsersMessage)
{
    TAhnenData data = test::CollapsedPedigree();
    TCalcClass calc(data);
    try {
        CollectDiagramData(calc, Selecting({0}, -1));
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Kein Proband gewählt!");
    }
    try {
        CollectDiagramData(calc, Selecting({}));
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Keine Personen in der Liste zum Anzeigen!");
    }
}

TEST(DiagramData, CancellingTheProgressGivesNothing)
{
    TAhnenData data = test::CollapsedPedigree();
    TCalcClass calc(data);
    auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
    EXPECT_FALSE(CollectDiagramData(calc, Selecting({0, 6}), cancel));
}

// A line of fathers 800 generations deep: all of them over all generations is more than a
// diagram holds, while a few of them fit.
TEST(DiagramData, ADeepSelectionIsRefusedBeforeItFillsTheMemory)
{
    test::PedigreeBuilder builder;
    int64_t father = -1;
    for (int i = 0; i < 1200; ++i) father = builder.Add('M', father);
    TAhnenData data = builder.Build();
    TCalcClass calc(data);
    TImageSettings settings;
    settings.ProbandIndex = father;
    for (int64_t p = 0; p <= father; ++p) settings.SetSelected(p, true);
    try {
        CollectDiagramData(calc, settings);
        FAIL() << "1200 persons over 1200 generations";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), TooLargeDiagramMessage(1200));
    }
    TImageSettings few;
    few.ProbandIndex = father;
    for (int64_t p : {int64_t{0}, int64_t{600}, father}) few.SetSelected(p, true);
    std::optional<DiagramData> diagram = CollectDiagramData(calc, few);
    ASSERT_TRUE(diagram);
    EXPECT_EQ(diagram->first, 0);
    EXPECT_EQ(diagram->last, 1199);
    EXPECT_EQ(diagram->persons[0].Count(1199), 1);
}

TEST(DiagramData, WarningAndRefusalNameTheCount)
{
    EXPECT_EQ(TooLargeDiagramMessage(12),
              "Das Diagramm wäre zu groß: 12 Personen über so viele Generationen ergeben mehr "
              "als 1000000 Werte. Bitte weniger Personen auswählen.");
    EXPECT_EQ(TooManyPersonsWarning(17),
              "Es sind 17 Personen ausgewählt.\r\nEs wird empfohlen nur einige wenige Personen "
              "gleichzeitig\r\ndarzustellen, damit die Übersicht gewahrt bleibt.");
}

}  // namespace
}  // namespace qv
