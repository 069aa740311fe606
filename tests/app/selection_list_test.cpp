// The selection list: adding without repeats, "Entfernen", "Alle markieren", item texts.
#include "app/selection_list.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TAhnenData Family()
{
    // I1 is the child of I2 and I3.
    TAhnenData data(4, 1);
    const char* ids[] = {"I1", "I2", "I3", "I4"};
    for (int p = 0; p < 4; ++p) data.Persons[p].Id = ids[p];
    data.Persons[0].ParentFamily = 0;
    data.Families[0].Husband = 1;
    data.Families[0].Wife = 2;
    data.LinkFamilies();
    return data;
}

TEST(SelectionList, QueriesAddEachPersonOnceInFirstOrder)
{
    TAhnenData data = Family();
    SelectionState state;
    SelectionList list(state);
    EXPECT_EQ(list.Caption(), "Ausgewählte");
    EXPECT_TRUE(list.Add(2));
    EXPECT_FALSE(list.Add(2));
    EXPECT_EQ(list.AddRelatives(data, RelationshipQuery::Ancestors, {0}), 2);
    EXPECT_EQ(list.Items(), (std::vector<int64_t>{2, 0, 1}));
    EXPECT_EQ(list.AddRelatives(data, RelationshipQuery::Ancestors, {0}), 0);
    EXPECT_EQ(list.Items(), (std::vector<int64_t>{2, 0, 1}));
    EXPECT_EQ(state.SelectedCount(), 3);
    EXPECT_EQ(list.Caption(), "Ausgewählte (3)");
}

TEST(SelectionList, RemovingTakesExactlyTheHighlightedItems)
{
    TAhnenData data = Family();
    SelectionState state;
    SelectionList list(state);
    for (int64_t p : {3, 0, 2, 1}) list.Add(p);
    list.SetHighlighted(1, true);
    list.SetHighlighted(3, true);
    list.RemoveHighlighted();
    EXPECT_EQ(list.Items(), (std::vector<int64_t>{3, 2}));
    EXPECT_EQ(state.Selected, (TArrayOfBoolean{false, false, true, true}));
    EXPECT_FALSE(list.IsHighlighted(0));
    EXPECT_FALSE(list.IsHighlighted(1));

    list.RemoveHighlighted();
    EXPECT_EQ(list.Items().size(), 2u);
    list.HighlightAll();
    EXPECT_TRUE(list.IsHighlighted(0) && list.IsHighlighted(1));
    EXPECT_EQ(state.SelectedCount(), 2);
    list.RemoveHighlighted();
    EXPECT_TRUE(list.Items().empty());
    EXPECT_EQ(state.SelectedCount(), 0);

    list.Add(1);
    list.Clear();
    EXPECT_TRUE(list.Items().empty());
    EXPECT_FALSE(state.IsSelected(1));
}

TEST(SelectionList, ItemTextShowsMissingNamesAsQuestionMarks)
{
    TPerson p;
    p.Id = "I7";
    p.Surname = "Weiß";
    p.GivenNames = "Käthe";
    EXPECT_EQ(SelectionItemText(p), "I7 - Weiß, Käthe");
    p.GivenNames = "  ";
    EXPECT_EQ(SelectionItemText(p), "I7 - Weiß, ?");
    p.Surname = "";
    EXPECT_EQ(SelectionItemText(p), "I7 - ?, ?");
}

}  // namespace
}  // namespace qv
