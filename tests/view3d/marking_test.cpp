#include "view3d/marking.h"

#include <gtest/gtest.h>

#include "small_pedigrees.h"

namespace qv {
namespace {

TEST(Marking, MarksTheLinesFromAnAncestorDownToTheProband)
{
    const test::SiblingParents s = test::MakeSiblingParents();
    const Scene3D scene = BuildScene(s.data, s.P, DisplayType::Cone);
    struct Case {
        int64_t person;
        TArrayOfBoolean marked;  // X, Y, F, M, P
    };
    const Case cases[] = {
        {s.X, {true, false, true, true, true}},  // both lines of the shared ancestor
        {s.F, {false, false, true, false, true}},
        {s.P, {false, false, false, false, true}},
        {-1, {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.person);
        EXPECT_EQ(MarkLinesOfDescent(s.data, scene, c.person), c.marked);
    }
}

TEST(Marking, PersonsOutsideTheSceneMarkNothing)
{
    const test::ThreeGenerations t = test::MakeThreeGenerations();
    const Scene3D scene = BuildScene(t.data, t.P, DisplayType::Cone);
    const TArrayOfBoolean none(t.data.Persons.size(), false);
    EXPECT_EQ(MarkLinesOfDescent(t.data, scene, t.S), none);
    // From GF down: F and P, but neither P's sibling nor P's child.
    const TArrayOfBoolean fromGrandfather = MarkLinesOfDescent(t.data, scene, t.GF);
    EXPECT_EQ(fromGrandfather, (TArrayOfBoolean{true, false, true, false, true, false, false}));
}

}  // namespace
}  // namespace qv
