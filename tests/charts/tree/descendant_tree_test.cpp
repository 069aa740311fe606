// The descendant tree's structure: partners, shared children, depths, limits and the check.
#include "charts/tree/descendant_tree.h"

#include <gtest/gtest.h>

#include "charts/tree/descendant_selection.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

using test::Fam;

struct Built {
    TAhnenData data;
    TArrayOfBoolean drawn;
    TTree tree;
};

Built Build(const std::string& gedcom, const std::string& proband, uint8_t maxGen = 99)
{
    Built b{test::DataFromGedcom(gedcom), {}, {}};
    TImageSettings settings = test::TreeSettings(b.data, proband);
    settings.Tree.TreeMaxGenDescendant = maxGen;
    b.drawn = SelectDescendantPersons(b.data, settings.ProbandIndex, settings);
    b.tree = BuildDescendantTree(b.data, settings.ProbandIndex, settings, -1, b.drawn);
    return b;
}

const TTree_Node& NodeOf(const Built& b, const std::string& id)
{
    int32_t node = b.tree.NodeOf[test::Person(b.data, id)];
    EXPECT_GE(node, 0) << id;
    return b.tree.Nodes[std::max(node, 0)];
}

std::string ParentId(const Built& b, const std::string& id)
{
    const TTree_Node& node = NodeOf(b, id);
    return node.Parent < 0 ? "" : b.data.Persons[b.tree.Nodes[node.Parent].Person].Id;
}

// I1's grandchildren I4 (through I2) and I5 (through I3) are cousins and have the child I6.
const std::string kCousins = test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "X1", "X2"},
                                              {{"F1", "I1", "", {"I2", "I3"}},
                                               {"F2", "I2", "X1", {"I4"}},
                                               {"F3", "X2", "I3", {"I5"}},
                                               {"F4", "I4", "I5", {"I6"}}});

TEST(DescendantTree, ProbandWithoutChildrenIsOneNode)
{
    Built b = Build(test::MakeGedcom({"I1", "I2"}, {{"F1", "I2", "", {"I1"}}}), "I1");
    ASSERT_EQ(b.tree.Nodes.size(), 1u);
    EXPECT_EQ(b.tree.Root().Person, test::Person(b.data, "I1"));
    EXPECT_EQ(b.tree.Root().Depth, 0);
}

TEST(DescendantTree, ChildOfTwoDescendantsIsPlacedOnceBelowTheEarlierBranch)
{
    Built b = Build(kCousins, "I1");
    EXPECT_EQ(ParentId(b, "I6"), "I4");
    EXPECT_EQ(NodeOf(b, "I6").Depth, 3);
    EXPECT_TRUE(NodeOf(b, "I4").OwnChildren.empty());
    // Partners from outside stand beside their spouses, one row below the proband.
    EXPECT_EQ(ParentId(b, "X1"), "I1");
    EXPECT_EQ(NodeOf(b, "X1").Depth, 1);
    EXPECT_EQ(ParentId(b, "X2"), "I1");
    const std::vector<int32_t>& top = b.tree.Root().Children;
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(b.data.Persons[b.tree.Nodes[top[0]].Person].Id, "I2");
    EXPECT_EQ(b.data.Persons[b.tree.Nodes[top[1]].Person].Id, "X1");
    // Every node comes after its parent, and each person has one node.
    for (size_t n = 1; n < b.tree.Nodes.size(); ++n) EXPECT_LT(b.tree.Nodes[n].Parent, int(n));
    EXPECT_EQ(b.tree.Nodes.size(), 8u);
}

TEST(DescendantTree, SpousesOfDifferentGenerationsShareTheDeeperRow)
{
    // I4 (a grandchild) marries I6 (a great-grandchild); their child I7 comes below both.
    Built b = Build(test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7"},
                                     {{"F1", "I1", "", {"I2", "I3"}},
                                      {"F2", "I2", "", {"I4"}},
                                      {"F3", "I3", "", {"I5"}},
                                      {"F4", "I5", "", {"I6"}},
                                      {"F5", "I4", "I6", {"I7"}}}),
                    "I1");
    EXPECT_EQ(NodeOf(b, "I4").Depth, 3);
    EXPECT_EQ(NodeOf(b, "I6").Depth, 3);
    EXPECT_EQ(NodeOf(b, "I7").Depth, 4);
    EXPECT_EQ(b.tree.RowCount(), 5);
}

TEST(DescendantTree, DepthLimitCutsRowsAndPartnersLeftWithoutChildren)
{
    struct Case {
        uint8_t maxGen;
        size_t nodes;
    } cases[] = {{0, 1}, {1, 3}, {2, 7}, {3, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.maxGen));
        Built b = Build(kCousins, "I1", c.maxGen);
        EXPECT_EQ(b.tree.Nodes.size(), c.nodes);
        EXPECT_EQ(b.tree.RowCount(), std::min<int>(c.maxGen, 3) + 1);
        // The depth-1 partners X1, X2 only stay with their depth-2 children.
        EXPECT_EQ(b.tree.NodeOf[test::Person(b.data, "X1")] >= 0, c.maxGen >= 2);
        EXPECT_EQ(b.drawn[test::Person(b.data, "X1")], c.maxGen >= 2);
    }
}

TEST(DescendantTree, PersonMarriedIntoItsParentsRowCannotBeDrawn)
{
    // I3 has children with I2 and with I2's son I4.
    const std::string gedcom =
        "0 HEAD\n0 @I1@ INDI\n1 NAME Anna /Alt/\n0 @I2@ INDI\n1 NAME Bert /Alt/\n1 FAMC @F1@\n"
        "0 @I3@ INDI\n1 NAME Cora /Neu/\n0 @I4@ INDI\n1 NAME Dirk /Alt/\n1 FAMC @F2@\n"
        "0 @I5@ INDI\n1 NAME Emil /Alt/\n1 FAMC @F3@\n"
        "0 @F1@ FAM\n1 WIFE @I1@\n0 @F2@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n"
        "0 @F3@ FAM\n1 HUSB @I4@\n1 WIFE @I3@\n0 TRLR\n";
    TAhnenData data = test::DataFromGedcom(gedcom);
    TImageSettings settings = test::TreeSettings(data, "I1");
    TArrayOfBoolean drawn = SelectDescendantPersons(data, settings.ProbandIndex, settings);
    test::ExpectError([&] { CheckDescendantGenerations(data, drawn); },
                      "Fehler: Ausgabe nicht möglich!\r\nDie Person Alt, Dirk (I4) soll in der "
                      "selben Generation wie ihre Eltern dargestellt werden.");
}

TEST(DescendantTree, TypeOneKeepsOnlyTheLinesToAChildOfTwoDescendants)
{
    // I7 is a second child of I1's, whose descendants marry nobody of the family.
    Built b{test::DataFromGedcom(
                test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "X1", "X2", "I7", "I8"},
                                 {{"F1", "I1", "", {"I2", "I3", "I7"}},
                                  {"F2", "I2", "X1", {"I4"}},
                                  {"F3", "X2", "I3", {"I5"}},
                                  {"F4", "I4", "I5", {"I6"}},
                                  {"F5", "I7", "", {"I8"}}})),
            {},
            {}};
    TImageSettings settings = test::TreeSettings(b.data, "I1");
    settings.Tree.TreeType = 1;
    b.drawn = SelectDescendantPersons(b.data, settings.ProbandIndex, settings);
    b.tree = BuildDescendantTree(b.data, settings.ProbandIndex, settings, -1, b.drawn);
    EXPECT_EQ(b.tree.NodeOf[test::Person(b.data, "I7")], -1);
    EXPECT_EQ(b.tree.NodeOf[test::Person(b.data, "I8")], -1);
    EXPECT_EQ(ParentId(b, "I6"), "I4");
    EXPECT_EQ(b.tree.Nodes.size(), 8u);
}

}  // namespace
}  // namespace qv
