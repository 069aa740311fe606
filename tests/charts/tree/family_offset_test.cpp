// Nesting levels of marriage spans within a row.
#include "charts/tree/family_offset.h"

#include <gtest/gtest.h>

#include "charts/tree/tree_fixture.h"

namespace qv {
namespace {

using test::Fam;

// Row 1 holds, left to right, I1 (0), I3 (20), I4 (40), I5 (60), I6 (80), I2 (100). The couple
// I1-I2 spans everything, I3-I6 lies inside it and I4-I5 inside that. I7 (row 1, at 120) and
// I8 (130) are a couple whose child is not shown.
TEST(FamilyOffset, InnerCouplesRaiseTheLevelOfTheSpansAroundThem)
{
    TAhnenData data = test::DataFromGedcom(
        test::MakeGedcom({"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8", "C1", "C2", "C3", "C4"},
                         {{"F1", "I1", "I2", {"C1"}},
                          {"F2", "I3", "I6", {"C2"}},
                          {"F3", "I4", "I5", {"C3"}},
                          {"F4", "I7", "I8", {"C4"}}}));
    TPosList list(data.Persons.size());
    const int32_t xs[] = {0, 100, 20, 40, 60, 80, 120, 130};
    for (int i = 0; i < 8; ++i) list[i] = {xs[i], 50, 1, true};
    for (int i = 8; i < 11; ++i) list[i] = {50, 90, 0, true};
    TFamilyOffset offsets(data, list);
    EXPECT_EQ(offsets.LevelOfFamily(2), 0);
    EXPECT_EQ(offsets.LevelOfFamily(1), 1);
    EXPECT_EQ(offsets.LevelOfFamily(0), 2);
    EXPECT_EQ(offsets.LevelOfFamily(3), -1);
    struct Case {
        int32_t x1, x2, row, level;
    } cases[] = {
        {0, 140, 1, 3},  // I1-I2 starts at the query's start and ends inside it
        {0, 100, 1, 2},  // the same span as I1-I2: I1-I2 itself does not count
        {100, 0, 1, 2},  // ends in either order
        {40, 60, 1, 0},  // nothing strictly inside
        {30, 50, 1, 1},  // I4 stands inside; I4-I5 starts inside and ends outside
        {0, 140, 0, 1},  // row 0: persons only
        {0, 140, 5, 0},  // a row nobody stands in
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << ".." << c.x2 << " row " << c.row);
        EXPECT_EQ(offsets.FamilyLevel(c.x1, c.x2, c.row), c.level);
    }
}

}  // namespace
}  // namespace qv
