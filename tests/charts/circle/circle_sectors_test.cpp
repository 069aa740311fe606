// The walk over the ancestor slots: order, angles, repeated-ancestor colours, early stop.
#include "charts/circle/circle_sectors.h"

#include <map>
#include <numbers>

#include <gtest/gtest.h>

#include "charts/circle/circle_fixture.h"

namespace qv {
namespace {

using test::Person;
constexpr double kPi = std::numbers::pi;

CircleWalkRules FullCircle(int32_t rings, bool markRepeated)
{
    CircleWalkRules rules;
    rules.rings = rings;
    rules.start = kPi / 2;
    rules.span = 2 * kPi;
    rules.markRepeated = markRepeated;
    return rules;
}

std::string Ids(const TAhnenData& data, const std::vector<CircleSector>& sectors)
{
    std::string ids;
    for (const CircleSector& s : sectors)
        ids += data.Persons[s.person].Id + ":" + std::to_string(s.depth) + " ";
    return ids;
}

TEST(CircleSectors, FatherLineComesFirstAndEachPersonAfterItsAncestors)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    const auto sectors = WalkCircleSectors(data, Person(data, "P"), FullCircle(5, false));
    EXPECT_EQ(Ids(data, sectors), "W:4 X:3 Y:3 A:2 F:1 W:3 X:2 D:2 M:1 P:0 ");
    // The mother takes the first half of her child's sector, the father the second.
    const CircleSector& f = sectors[4];
    const CircleSector& m = sectors[8];
    EXPECT_DOUBLE_EQ(m.from, kPi / 2);
    EXPECT_DOUBLE_EQ(f.from, 3 * kPi / 2);
    EXPECT_DOUBLE_EQ(f.span, kPi);
    EXPECT_DOUBLE_EQ(sectors[0].span, kPi / 8);  // W four generations up: a sixteenth
}

TEST(CircleSectors, RepeatedAncestorIsMarkedInEveryLaterRing)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    for (bool mark : {false, true}) {
        SCOPED_TRACE(mark);
        const auto sectors = WalkCircleSectors(data, Person(data, "P"), FullCircle(5, mark));
        std::map<std::string, std::vector<TColor>> colours;
        for (const CircleSector& s : sectors) colours[data.Persons[s.person].Id].push_back(s.color);
        const TColor again = mark ? kCircleDoubleColor : kCircleMaleColor;
        // The first sector in drawing order keeps the colour of the sex, every later one not.
        EXPECT_EQ(colours["X"], (std::vector<TColor>{kCircleMaleColor, again}));
        EXPECT_EQ(colours["W"], (std::vector<TColor>{kCircleMaleColor, again}));
        EXPECT_EQ(colours["Y"], std::vector<TColor>{kCircleFemaleColor});
        EXPECT_EQ(colours["P"], std::vector<TColor>{kCircleOtherColor});
    }
}

TEST(CircleSectors, HalfCircleHasTheFatherLeftAndTheMotherRight)
{
    const TAhnenData data = test::RepeatedAncestorFamily();
    CircleWalkRules rules = FullCircle(2, false);
    rules.span = kPi;
    const auto sectors = WalkCircleSectors(data, Person(data, "P"), rules);
    ASSERT_EQ(Ids(data, sectors), "F:1 M:1 P:0 ");
    // Angles grow from the right (pi/2) over the top (pi) to the left (3 pi/2).
    EXPECT_DOUBLE_EQ(sectors[0].from, kPi);
    EXPECT_DOUBLE_EQ(sectors[0].span, kPi / 2);
    EXPECT_DOUBLE_EQ(sectors[1].from, kPi / 2);
}

TEST(CircleSectors, StoppingEarlyLeavesOneDeepLineAndTheSameColours)
{
    const TAhnenData line = test::FatherLine(25);
    CircleWalkRules rules = FullCircle(22, false);
    rules.lastDepth = 16;
    const auto sectors = WalkCircleSectors(line, Person(line, "I0"), rules);
    ASSERT_EQ(sectors.size(), 18u);
    const CircleSector& deep = sectors[1];
    EXPECT_EQ(line.Persons[deep.person].Id, "I16");
    EXPECT_EQ(deep.depth, 17);
    EXPECT_EQ(deep.deepRings, 5);  // rings 17 to 21, the chart's last
    EXPECT_EQ(deep.span, 0);
    EXPECT_EQ(sectors[0].deepRings, 0);

    // X, hidden above the stop in F's line, still makes its sector in M's line a repeat.
    const TAhnenData data = test::RepeatedAncestorFamily();
    rules = FullCircle(5, true);
    rules.lastDepth = 2;
    const auto stopped = WalkCircleSectors(data, Person(data, "P"), rules);
    EXPECT_EQ(Ids(data, stopped), "A:2 A:3 F:1 X:2 X:3 D:2 M:1 P:0 ");
    EXPECT_EQ(stopped[3].color, kCircleDoubleColor);
    EXPECT_EQ(stopped[4].deepRings, 1);
}

TEST(CircleSectors, PictureStopsWhereTheWholeWedgeIsNarrowerThanAPixel)
{
    const TAhnenData line = test::FatherLine(30);
    CircleWalkRules rules = FullCircle(31, false);
    rules.ringWidth = 50;
    rules.narrowestWedge = 1;
    const auto sectors = WalkCircleSectors(line, Person(line, "I0"), rules);
    // 2 pi / 2^d * 31 * 50 pixels falls below one at d = 14.
    ASSERT_EQ(sectors.size(), 16u);
    EXPECT_EQ(sectors[1].depth, 15);
    EXPECT_EQ(sectors[1].deepRings, 16);
}

}  // namespace
}  // namespace qv
