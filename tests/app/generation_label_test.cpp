// Generation labels and the dynamic header.
#include "app/generation_label.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/headline.h"
#include "data/example_family.h"

namespace qv {
namespace {

TEST(GenerationLabel, PlaceholdersTakeTheGenerationsValues)
{
    TAhnenData data = LoadExampleFamily(".");
    TCalcClass calc(data);
    calc.SetProband(data.FindPerson("I19"));
    TArrayOfString lines = {"Gen. <k>: <apk> von <Apk>", "<atk-apk> <atk> <unbekannt>"};
    TArrayOfString expected = {"Gen. -2: " + calc.GetGenerationText("apk", -2) + " von " +
                                   calc.GetGenerationText("Apk", -2),
                               calc.GetGenerationText("atk-apk", -2) + " " +
                                   calc.GetGenerationText("atk", -2) + " <unbekannt>"};
    EXPECT_EQ(ExpandGenerationLabel(-2, lines, calc), expected);
    EXPECT_EQ(calc.GetGenerationText("k", -2), "-2");

    TImageSettings s;
    s.Tree.LabelGenCustomText = lines;
    EXPECT_TRUE(GenerationLabelTemplate(s).empty());
    s.Tree.LabelGen = 1;
    EXPECT_EQ(GenerationLabelTemplate(s), lines);
}

TEST(Headline, LinesBecomeOneHtmlLine)
{
    TAhnenData data = LoadExampleFamily("/opt/quilvane");
    TImageSettings s;
    s.ProbandIndex = data.FindPerson("I19");
    s.KekuleOneIndex = data.FindPerson("I17");
    QDateTime when(QDate(2024, 3, 7), QTime(9, 5, 2));
    QLocale german(QLocale::German, QLocale::Germany);
    auto expand = [&](const TArrayOfString& lines, HeadlineKind kind) {
        return ExpandHeadline(lines, data, s, kind, when, german);
    };
    EXPECT_EQ(expand({"Stand: <Datum> <Uhrzeit>", "<Proband>"}, HeadlineKind::TreeChart),
              "Stand: 07.03.2024 09:05:02<br/>Müller, Lena Sophie");
    EXPECT_EQ(expand({"<Kekule1> in <Dateiname>"}, HeadlineKind::Other),
              "Müller, Jürgen in " + std::filesystem::path(data.FileName).filename().string());

    // A stand-in proband on a chart's copy: the header names the real one.
    s.SavedProbandIndex = data.FindPerson("I18");
    data.Persons[s.SavedProbandIndex].GivenNames = "";
    EXPECT_EQ(expand({"<Proband>"}, HeadlineKind::TreeChart), "Weiß");
    s.Tree.LabelsQuestionMark = true;
    EXPECT_EQ(expand({"<Proband>"}, HeadlineKind::TreeChart), "Weiß, ?");
    EXPECT_EQ(expand({"<Proband>"}, HeadlineKind::Triangle), "Weiß");
    EXPECT_EQ(expand({"<Proband>"}, HeadlineKind::Other), "Weiß");
}

TEST(Headline, NamesAreNeverReadAsPlaceholders)
{
    TAhnenData data = LoadExampleFamily("/opt/quilvane");
    TImageSettings s;
    s.ProbandIndex = data.FindPerson("I19");
    s.KekuleOneIndex = data.FindPerson("I17");
    data.Persons[s.ProbandIndex].Surname = "<Kekule1>";
    data.Persons[s.ProbandIndex].GivenNames = "<Uhrzeit>";
    data.FileName = "/opt/<Proband>.ged";
    QDateTime when(QDate(2024, 3, 7), QTime(9, 5, 2));
    EXPECT_EQ(ExpandHeadline({"<Proband> / <Kekule1>", "<Dateiname>"}, data, s,
                             HeadlineKind::TreeChart, when, QLocale(QLocale::German)),
              "<Kekule1>, <Uhrzeit> / Müller, Jürgen<br/><Proband>.ged");
}

}  // namespace
}  // namespace qv
