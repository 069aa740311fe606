// The relationship queries' names: one entry per query, found by batch name in any case.
#include "app/relationship_query_names.h"

#include <set>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RelationshipQueryNames, EveryQueryOnceWithDistinctNames)
{
    std::set<RelationshipQuery> queries;
    std::set<std::string> captions, batchNames;
    for (const RelationshipQueryName& entry : kRelationshipQueryNames) {
        queries.insert(entry.query);
        captions.insert(entry.caption);
        batchNames.insert(entry.batchName);
        EXPECT_EQ(QueryByBatchName(entry.batchName), entry.query) << entry.batchName;
    }
    EXPECT_EQ(queries.size(), 8u);
    EXPECT_EQ(captions.size(), 8u);
    EXPECT_EQ(batchNames.size(), 8u);
}

TEST(RelationshipQueryNames, BatchNamesIgnoreLetterCaseOnly)
{
    const struct {
        const char* name;
        std::optional<RelationshipQuery> query;
    } cases[] = {
        {"X-Vorfahren", RelationshipQuery::XAncestors},
        {"BLUTSVERWANDTE", RelationshipQuery::BloodRelatives},
        {"vorfahren ", std::nullopt},
        {"vorfahre", std::nullopt},
        {"Vorfahren und mehr", std::nullopt},
        {"", std::nullopt},
        {"alle Blutsverwandten", std::nullopt},  // a caption is no batch name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QueryByBatchName(c.name), c.query);
    }
    EXPECT_EQ(BatchQueryNames(),
              "markierte, vorfahren, nachfahren, spitzenahnen, blutsverwandte, x-vorfahren, "
              "x-nachfahren, x-verwandte");
}

}  // namespace
}  // namespace qv
