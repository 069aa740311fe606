// Sort-mark cycling and row moves of the table settings.
#include "app/table_column_editing.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::string> Marks(const std::vector<PersonTableColumn>& columns)
{
    std::vector<std::string> marks;
    for (const PersonTableColumn& c : columns) marks.push_back(c.SortSpec);
    return marks;
}

TEST(TableColumnEditing, SortMarksCycleAndRenumber)
{
    std::vector<PersonTableColumn> columns(4);
    CycleSortMark(columns, 2);
    EXPECT_EQ(Marks(columns), (std::vector<std::string>{"", "", "aufsteigend 1", ""}));

    columns[0].SortSpec = "aufsteigend 1";
    columns[1].SortSpec = "absteigend 2";
    columns[2].SortSpec = "aufsteigend 3";
    CycleSortMark(columns, 1);
    EXPECT_EQ(Marks(columns), (std::vector<std::string>{"aufsteigend 1", "", "aufsteigend 2", ""}));
    CycleSortMark(columns, 3);
    EXPECT_EQ(columns[3].SortSpec, "aufsteigend 3");
    CycleSortMark(columns, 3);
    EXPECT_EQ(columns[3].SortSpec, "absteigend 3");
    CycleSortMark(columns, 0);
    CycleSortMark(columns, 0);
    EXPECT_EQ(Marks(columns), (std::vector<std::string>{"", "", "aufsteigend 1", "absteigend 2"}));
    ClearSortMarks(columns);
    EXPECT_EQ(Marks(columns), (std::vector<std::string>(4)));
}

TEST(TableColumnEditing, RowsMoveWithinBounds)
{
    std::vector<GenerationTableColumn> columns = {{"a", "<k>"}, {"b", "<ik>"}};
    EXPECT_FALSE(MoveColumn(columns, 0, -1));
    EXPECT_TRUE(MoveColumn(columns, 0, +1));
    EXPECT_EQ(columns[0].Caption, "b");
    EXPECT_FALSE(MoveColumn(columns, 1, +1));
}

}  // namespace
}  // namespace qv
