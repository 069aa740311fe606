// The collateral-relatives copy: every ancestor below one placeholder root, by generation.
#include "charts/tree/kindred_data.h"

#include <gtest/gtest.h>

#include "charts/tree/image_nachfahren.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

using test::Fam;

// I1's father I2 is the son of I4 and I5, who also have I6 (I1's uncle, father of I7); I1's
// mother I3 has no known parents. I8 is I4's father, unknown to nobody but I4.
const std::string kKindredFamily = test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8"},
                                             {{"F1", "I2", "I3", {"I1"}},
                                              {"F2", "I4", "I5", {"I2", "I6"}},
                                              {"F3", "I6", "", {"I7"}},
                                              {"F4", "I8", "", {"I4"}}});

TEST(KindredData, LevelsAreTheLongestLineUp)
{
    // I2 is also the grandfather of I1's mother.
    TAhnenData data = test::DataFromGedcom(test::MakeGedcom(
        {"I1", "I2", "I3", "I4"},
        {{"F1", "I2", "I3", {"I1"}}, {"F2", "I2", "", {"I4"}}, {"F3", "I4", "", {"I3"}}}));
    EXPECT_EQ(AncestorLevels(data, 0), (std::vector<int32_t>{0, 3, 1, 2}));
}

TEST(KindredData, AncestorsHangFromTheRootAtTheDepthOfTheirGeneration)
{
    TAhnenData data = test::DataFromGedcom(kKindredFamily);
    const int64_t proband = test::Person(data, "I1");
    struct Case {
        uint8_t maxGen;
        std::vector<std::pair<std::string, int32_t>> depths;  // -1: no node
    } cases[] = {
        // T = 3: I8 hangs from the root; I3 through two placeholders.
        {99,
         {{"I8", 1}, {"I4", 2}, {"I5", 2}, {"I2", 3}, {"I6", 3}, {"I3", 3}, {"I1", 4}, {"I7", 4}}},
        // T = 2: I8 is cut off; I4 and I5 stand first.
        {2, {{"I8", -1}, {"I4", 1}, {"I5", 1}, {"I2", 2}, {"I3", 2}, {"I1", 3}, {"I7", 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.maxGen));
        KindredData kindred = BuildKindredData(data, proband, c.maxGen);
        EXPECT_EQ(kindred.Root, int64_t(data.Persons.size()));
        EXPECT_TRUE(kindred.Data.Persons[kindred.Root].IsDummy);
        TImageSettings settings = test::TreeSettings(data, "I1");
        settings.Tree.TreeMaxGen = c.maxGen;
        settings.ProbandIndex = kindred.Root;
        test::FixedMeasure measure;
        TImage_Nachfahren tree(kindred.Data, settings, measure, {}, proband);
        for (const auto& [id, depth] : c.depths) {
            int32_t node = tree.Tree().NodeOf[test::Person(kindred.Data, id)];
            EXPECT_EQ(node < 0 ? -1 : tree.Tree().Nodes[node].Depth, depth) << id;
        }
        // The ancestor chart of the copy holds the placeholder root alone.
        TImage_Vorfahren ancestors(kindred.Data, settings, measure);
        EXPECT_EQ(std::count(ancestors.Drawn().begin(), ancestors.Drawn().end(), true), 1);
    }
}

TEST(KindredData, DescendantGenerationsCountFromTheUsersProband)
{
    TAhnenData data = test::DataFromGedcom(kKindredFamily);
    const int64_t proband = test::Person(data, "I1");
    KindredData kindred = BuildKindredData(data, proband, 99);
    // I1 stands at depth 4, so one descendant generation allows depth 5 and cuts nobody
    // here; zero keeps the rows down to I1's.
    TImageSettings settings = test::TreeSettings(data, "I1");
    settings.ProbandIndex = kindred.Root;
    settings.Tree.TreeMaxGenDescendant = 0;
    test::FixedMeasure measure;
    TImage_Nachfahren tree(kindred.Data, settings, measure, {}, proband);
    EXPECT_EQ(tree.Tree().RowCount(), 5);
    EXPECT_GE(tree.Tree().NodeOf[test::Person(kindred.Data, "I7")], 0);
}

}  // namespace
}  // namespace qv
