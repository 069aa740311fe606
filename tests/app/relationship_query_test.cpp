// The relationship queries: which persons each reaches, in which order, at any depth.
#include "app/relationship_query.h"

#include <gtest/gtest.h>

#include "data/gedcom_fixture.h"

namespace qv {
namespace {

// I1 (a man) is the son of I2 and I3 and has a sister I4. I2's father I5 has only a known
// father I16; I5's wife is I6. I3 is the daughter of I7 and I8. I1 and I9 have a son I10 and
// a daughter I11, whose son with I12 is I13. I4 and I14 have a child I15.
const char* const kFamily =
    "0 HEAD\n"
    "0 @I1@ INDI\n1 SEX M\n1 FAMC @F1@\n0 @I2@ INDI\n1 SEX M\n1 FAMC @F2@\n"
    "0 @I3@ INDI\n1 SEX F\n1 FAMC @F3@\n0 @I4@ INDI\n1 SEX F\n1 FAMC @F1@\n"
    "0 @I5@ INDI\n1 SEX M\n1 FAMC @F7@\n0 @I6@ INDI\n1 SEX F\n0 @I7@ INDI\n1 SEX M\n"
    "0 @I8@ INDI\n1 SEX F\n0 @I9@ INDI\n1 SEX F\n0 @I10@ INDI\n1 SEX M\n1 FAMC @F4@\n"
    "0 @I11@ INDI\n1 SEX F\n1 FAMC @F4@\n0 @I12@ INDI\n1 SEX M\n"
    "0 @I13@ INDI\n1 SEX M\n1 FAMC @F5@\n0 @I14@ INDI\n1 SEX M\n"
    "0 @I15@ INDI\n1 SEX U\n1 FAMC @F6@\n0 @I16@ INDI\n1 SEX M\n"
    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n0 @F2@ FAM\n1 HUSB @I5@\n1 WIFE @I6@\n"
    "0 @F3@ FAM\n1 HUSB @I7@\n1 WIFE @I8@\n0 @F4@ FAM\n1 HUSB @I1@\n1 WIFE @I9@\n"
    "0 @F5@ FAM\n1 HUSB @I12@\n1 WIFE @I11@\n0 @F6@ FAM\n1 HUSB @I14@\n1 WIFE @I4@\n"
    "0 @F7@ FAM\n1 HUSB @I16@\n";

std::vector<std::string> Ids(const TAhnenData& data, const std::vector<int64_t>& persons)
{
    std::vector<std::string> ids;
    for (int64_t p : persons) ids.push_back(data.Persons[p].Id);
    return ids;
}

std::vector<int64_t> Persons(const TAhnenData& data, const std::vector<std::string>& ids)
{
    std::vector<int64_t> persons;
    for (const std::string& id : ids) persons.push_back(data.FindPerson(id));
    return persons;
}

TEST(RelationshipQuery, EachQueryReachesItsPersonsInWalkOrder)
{
    TAhnenData data = test::DataFromGedcom(kFamily);
    using Q = RelationshipQuery;
    struct Case {
        Q query;
        std::vector<std::string> starts;
        std::vector<std::string> expected;
    } cases[] = {
        {Q::Marked, {"I4", "I1", "I4"}, {"I4", "I1"}},
        {Q::Ancestors, {"I1"}, {"I1", "I2", "I5", "I16", "I6", "I3", "I7", "I8"}},
        {Q::Ancestors, {"I16"}, {"I16"}},
        {Q::Ancestors, {"I4", "I1"}, {"I4", "I2", "I5", "I16", "I6", "I3", "I7", "I8", "I1"}},
        {Q::Descendants, {"I1"}, {"I1", "I10", "I11", "I13"}},
        // I5 has a known father only, so he is no top ancestor; I16 and I6 are.
        {Q::TopAncestors, {"I1"}, {"I16", "I6", "I7", "I8"}},
        {Q::TopAncestors, {"I9"}, {"I9"}},
        {Q::BloodRelatives,
         {"I1"},
         {"I1", "I10", "I11", "I13", "I2", "I4", "I15", "I5", "I16", "I6", "I3", "I7", "I8"}},
        // A man: his mother's line only, and from her father only his mother's line.
        {Q::XAncestors, {"I1"}, {"I1", "I3", "I7", "I8"}},
        {Q::XAncestors, {"I4"}, {"I4", "I2", "I6", "I3", "I7", "I8"}},
        // A man: daughters and their descendants; a woman: every child.
        {Q::XDescendants, {"I1"}, {"I1", "I11", "I13"}},
        {Q::XDescendants, {"I2"}, {"I2", "I4", "I15"}},
        {Q::XRelatives, {"I1"}, {"I1", "I11", "I13", "I3", "I4", "I15", "I7", "I8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.query));
        SCOPED_TRACE(c.starts.front());
        EXPECT_EQ(Ids(data, QueryRelatives(data, c.query, Persons(data, c.starts))), c.expected);
    }
}

TEST(RelationshipQuery, DeepChainsAreWalkedWithoutRecursion)
{
    // Person i is the only child of person i + 1 and his wife; 100,000 generations.
    const int64_t generations = 100'000;
    TAhnenData data(generations + 1, generations);
    for (int64_t i = 0; i < generations; ++i) {
        data.Persons[i].Sex = 'M';
        data.Persons[i].ParentFamily = static_cast<int32_t>(i);
        data.Families[i].Husband = i + 1;
    }
    data.LinkFamilies();
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::Ancestors, {0}).size(),
              static_cast<size_t>(generations + 1));
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::Descendants, {generations}).size(),
              static_cast<size_t>(generations + 1));
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::TopAncestors, {0}),
              std::vector<int64_t>{generations});
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::BloodRelatives, {0}).size(),
              static_cast<size_t>(generations + 1));
    // Men only: the X walk stops at the first father.
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::XAncestors, {0}), std::vector<int64_t>{0});
}

TEST(RelationshipQuery, TopAncestorsOfHeavyImplexAreFoundInLinearTime)
{
    // In every generation both parents are children of the next couple: 2^60 lines of
    // descent lead to the last couple, through only 121 persons.
    const int64_t generations = 60;
    TAhnenData data(2 * generations + 1, generations);
    data.Persons[0].ParentFamily = 0;
    for (int64_t g = 0; g < generations; ++g) {
        data.Families[g].Husband = 2 * g + 1;
        data.Families[g].Wife = 2 * g + 2;
        if (g + 1 == generations) continue;
        data.Persons[2 * g + 1].ParentFamily = static_cast<int32_t>(g + 1);
        data.Persons[2 * g + 2].ParentFamily = static_cast<int32_t>(g + 1);
    }
    data.LinkFamilies();
    EXPECT_EQ(QueryRelatives(data, RelationshipQuery::TopAncestors, {0}),
              (std::vector<int64_t>{2 * generations - 1, 2 * generations}));
}

}  // namespace
}  // namespace qv
