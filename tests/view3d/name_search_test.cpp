#include "view3d/name_search.h"

#include <gtest/gtest.h>

#include "small_pedigrees.h"

namespace qv {
namespace {

class NameSearchTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* names[][2] = {{"Müller", "Anna"}, {"MÜLLER", "Hans"}, {"Schmidt", "Anna Maria"},
                                  {"Müller", "Jo"},   {"Meier", "Petra"}, {"müllerova", "Eva"},
                                  {"Müller", "Außen"}};
        // GF, GM, F, M, P are in the scene; S and C (the last two) are not.
        for (size_t p = 0; p < t.data.Persons.size(); ++p) {
            t.data.Persons[p].Surname = names[p][0];
            t.data.Persons[p].GivenNames = names[p][1];
        }
        scene = BuildScene(t.data, t.P, DisplayType::Cone);
    }
    test::ThreeGenerations t = test::MakeThreeGenerations();
    Scene3D scene;
};

TEST_F(NameSearchTest, CountsMatchingPersonsOfTheSceneIgnoringCase)
{
    struct Case {
        const char* surname;
        const char* given;
        int64_t count;
    };
    const Case cases[] = {
        {"müller", "", 3},  // Müller, MÜLLER, Müller (Jo); not the Müller outside the scene
        {"", "anna", 2},    // Anna and Anna Maria
        {"MÜL", "an", 2},   // both texts must match
        {"", "", 5},        // empty boxes match everyone shown
        {"xyz", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + "/" + c.given);
        EXPECT_EQ(NameSearch(c.surname, c.given).Count(t.data, scene), c.count);
    }
    EXPECT_EQ(HitCountText(3), "3 Treffer");
}

TEST_F(NameSearchTest, NextWrapsAroundInIndexOrder)
{
    const NameSearch search("müller", "");
    EXPECT_EQ(search.Next(t.data, scene, -1), t.GF);
    EXPECT_EQ(search.Next(t.data, scene, t.GF), t.GM);
    EXPECT_EQ(search.Next(t.data, scene, t.GM), t.M);
    EXPECT_EQ(search.Next(t.data, scene, t.M), t.GF) << "the person outside the scene is skipped";
    EXPECT_EQ(NameSearch("xyz", "").Next(t.data, scene, -1), -1);
}

}  // namespace
}  // namespace qv
