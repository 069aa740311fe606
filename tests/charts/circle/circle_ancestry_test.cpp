// The walks that size the circle chart.
#include "charts/circle/circle_ancestry.h"

#include <gtest/gtest.h>

#include "charts/circle/circle_fixture.h"

namespace qv {
namespace {

using test::Person;

TEST(CircleAncestry, RingsFollowTheFirstVisitNotTheLongestLine)
{
    const TAhnenData data = test::DeeperLineFamily();
    const int64_t p = Person(data, "P");
    // W is first reached through F and X, three generations up; through M it would be four.
    EXPECT_EQ(CircleRingCount(data, p, 100), 4);
    EXPECT_EQ(CircleRingCount(data, p, 2), 2);
    EXPECT_EQ(CircleRingCount(data, Person(data, "W"), 100), 1);
    EXPECT_EQ(CircleRingCount(data, p, 0), 1);
}

TEST(CircleAncestry, FirstGapIsTheShallowestPersonWithoutBothParents)
{
    const TAhnenData data = test::DeeperLineFamily();
    EXPECT_EQ(FirstMissingDepth(data, Person(data, "P")), 1);  // F has no mother
    EXPECT_EQ(FirstMissingDepth(data, Person(data, "W")), 0);
    const TAhnenData line = test::FatherLine(3);
    EXPECT_EQ(FirstMissingDepth(line, Person(line, "I0")), 0);
}

TEST(CircleAncestry, HeightsCountTheLongestKnownLine)
{
    const TAhnenData data = test::DeeperLineFamily();
    const std::vector<int32_t> heights = AncestryHeights(data, Person(data, "P"));
    EXPECT_EQ(heights[Person(data, "P")], 4);
    EXPECT_EQ(heights[Person(data, "F")], 2);
    EXPECT_EQ(heights[Person(data, "M")], 3);
    EXPECT_EQ(heights[Person(data, "W")], 0);
    // A line far deeper than the call stack could follow.
    const TAhnenData line = test::FatherLine(20000);
    EXPECT_EQ(AncestryHeights(line, Person(line, "I0"))[Person(line, "I0")], 20000);
    EXPECT_EQ(CircleRingCount(line, Person(line, "I0"), 100), 100);
}

}  // namespace
}  // namespace qv
