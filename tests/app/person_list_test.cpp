// Filtering and sorting of the person list.
#include "app/person_list.h"

#include <gtest/gtest.h>

#include "data/gedcom_reader.h"

namespace qv {
namespace {

TAhnenData Family()
{
    return TAhnenData(LoadGedcomBytes(
                          "0 HEAD\n1 CHAR UTF-8\n"
                          "0 @I10@ INDI\n1 NAME Anna /Müller/\n1 BIRT\n2 DATE 1880\n"
                          "0 @I2@ INDI\n1 NAME Ölaf /Zander/\n1 BIRT\n2 DATE 1818\n"
                          "0 @I1@ INDI\n1 NAME Bernd /MÜLLER/\n1 BIRT\n2 DATE 12 MAR 1818\n"
                          "0 @I3@ INDI\n1 NAME Otto /Ärger/\n1 BIRT\n2 DATE 1790\n"
                          "0 @I20@ INDI\n1 NAME anna /Mueller/\n"),
                      "test.ged");
}

std::vector<std::string> Ids(const TAhnenData& data, const std::vector<int64_t>& rows)
{
    std::vector<std::string> ids;
    for (int64_t p : rows) ids.push_back(data.Persons[p].Id);
    return ids;
}

TEST(PersonList, FiltersAreCaseInsensitiveSubstringsCombinedWithAnd)
{
    TAhnenData data = Family();
    PersonListIndex index(data, QLocale(QLocale::German));
    PersonFilters filters;
    filters[1] = "mül";
    filters[3] = "18";
    EXPECT_EQ(Ids(data, index.Rows(filters, kInitialSortPriorities)),
              (std::vector<std::string>{"I1", "I10"}));
    filters[3] = "MAR";
    EXPECT_EQ(Ids(data, index.Rows(filters, kInitialSortPriorities)),
              (std::vector<std::string>{"I1"}));
    filters[6] = "x";
    EXPECT_TRUE(index.Rows(filters, kInitialSortPriorities).empty());
}

TEST(PersonList, InitialOrderIsNaturalIdOrder)
{
    TAhnenData data = Family();
    PersonListIndex index(data, QLocale(QLocale::German));
    EXPECT_EQ(Ids(data, index.Rows({}, kInitialSortPriorities)),
              (std::vector<std::string>{"I1", "I2", "I3", "I10", "I20"}));
}

TEST(PersonList, SortButtonsReorderPrioritiesAndNamesSortByLocale)
{
    TAhnenData data = Family();
    PersonListIndex index(data, QLocale(QLocale::German));
    SortPriorities priorities = kInitialSortPriorities;
    RaiseSortPriority(priorities, 2);
    EXPECT_EQ(priorities, (SortPriorities{5, 4, 6, 3, 2, 1, 0}));
    // Given names case-insensitively (anna = Anna, then by id), umlauts beside their base letter.
    EXPECT_EQ(Ids(data, index.Rows({}, priorities)),
              (std::vector<std::string>{"I10", "I20", "I1", "I2", "I3"}));
    RaiseSortPriority(priorities, 1);
    EXPECT_EQ(priorities, (SortPriorities{4, 6, 5, 3, 2, 1, 0}));
    EXPECT_EQ(Ids(data, index.Rows({}, priorities)),
              (std::vector<std::string>{"I3", "I20", "I10", "I1", "I2"}));
}

}  // namespace
}  // namespace qv
