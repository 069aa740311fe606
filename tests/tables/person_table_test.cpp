// The two metric tables: rows, sort priorities, cells, generation rows.
#include "tables/person_table.h"

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "tables/generation_table.h"

namespace qv {
namespace {

TAhnenData NamedPersons(const std::vector<std::pair<const char*, const char*>>& names)
{
    TAhnenData data(static_cast<int64_t>(names.size()), 0);
    for (size_t p = 0; p < names.size(); ++p) {
        data.Persons[p].Id = "I" + std::to_string(p + 1);
        data.Persons[p].Surname = names[p].first;
        data.Persons[p].GivenNames = names[p].second;
    }
    return data;
}

TEST(PersonTable, PriorityOneDecidesAndPriorityTwoBreaksTies)
{
    TAhnenData data = NamedPersons({{"a", "10"}, {"b", "9"}, {"a", "2"}, {"B", ""}, {"b", "10"}});
    TCalcClass calc(data);
    TImageSettings s;
    s.ProbandIndex = 0;
    s.TableColumns = {{"Vorname", "<VName>", "aufsteigend 2"},
                      {"Nachname", "<NName>", "absteigend 1"},
                      {"Nr.", "<Nummer>", ""}};
    for (int p : {0, 1, 2, 3, 4}) s.SetSelected(p, true);
    std::optional<TTableData> table = PersonTableData(calc, s);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[2], (TTableDataCol{"Nr.", "I2", "I5", "I3", "I1", "I4"}));
    EXPECT_EQ((*table)[0], (TTableDataCol{"Vorname", "9", "10", "2", "10", "?"}));

    // Priorities that are not named, huge or unreadable, and unknown words leave rows as
    // they are.
    s.TableColumns[0].SortSpec = "seitwärts 1";
    s.TableColumns[1].SortSpec = "aufsteigend 99999999999";
    s.TableColumns[2].SortSpec = "absteigend x";
    table = PersonTableData(calc, s);
    EXPECT_EQ((*table)[2], (TTableDataCol{"Nr.", "I4", "I1", "I3", "I2", "I5"}));
}

TEST(PersonTable, OnlySelectedPersonsInPersonOrderWithoutSortMarks)
{
    TAhnenData data = LoadExampleFamily(".");
    TCalcClass calc(data);
    TImageSettings s;
    s.ProbandIndex = data.FindPerson("I19");
    s.TableColumns = {{"Person", "<Nummer> <Kekule>", ""}, {"z", "<z>", ""}};
    for (const char* id : {"I18", "I1", "I19"}) s.SetSelected(data.FindPerson(id), true);
    std::optional<TTableData> table = PersonTableData(calc, s);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[0], (TTableDataCol{"Person", "I1 20", "I18 3", "I19 1"}));
    std::vector<std::string> paths;
    for (const char* id : {"I1", "I18", "I19"})
        paths.push_back(calc.GetValueText("z", data.FindPerson(id)));
    EXPECT_EQ((*table)[1], (TTableDataCol{"z", paths[0], paths[1], paths[2]}));
    EXPECT_EQ(paths[0], "2");

    auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
    TCalcClass cancelling(data, cancel);
    s.TableColumns[1].Template = "<gb>";
    EXPECT_FALSE(PersonTableData(cancelling, s));
}

TEST(GenerationTable, RowsRunFromDescendantsToTheHighestAncestors)
{
    TAhnenData data = LoadExampleFamily(".");
    TCalcClass calc(data);
    TImageSettings s;
    s.GenTableColumns = {{"Generation", "  <k>\r\n"}, {"Ahnen", "<apk> von <Apk>"}};

    s.ProbandIndex = data.FindPerson("I22");  // a child without children
    std::optional<TTableData> table = GenerationTableData(calc, s);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[0], (TTableDataCol{"Generation", "0", "-1", "-2", "-3", "-4", "-5"}));
    EXPECT_EQ((*table)[1][2],
              calc.GetGenerationText("apk", -1) + " von " + calc.GetGenerationText("Apk", -1));

    s.ProbandIndex = data.FindPerson("I17");
    table = GenerationTableData(calc, s);
    EXPECT_EQ((*table)[0][1], "2");  // grandchildren first
    EXPECT_EQ(GenerationRows(calc).front(), 2);
}

}  // namespace
}  // namespace qv
