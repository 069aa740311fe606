// The steps of blood and X paths between a child and its parents.
#include "calc/family_links.h"

#include <string>

#include <gtest/gtest.h>

#include "calc/family_graph.h"
#include "pedigree_builder.h"

namespace qv {
namespace {

// "parent:weight*count" for each step, separated by blanks.
std::string Listed(std::span<const ParentLink> links)
{
    std::string text;
    for (const ParentLink& l : links) {
        if (!text.empty()) text += ' ';
        text += std::to_string(l.parent) + ':' + std::to_string(l.weight) + '*' +
                std::to_string(l.count);
    }
    return text;
}

enum class Parents { Two, OnePersonBoth, OnePersonBothRebuilt };

TEST(FamilyLinks, StepsFollowTheRulesAndCountRepeatedChildren)
{
    // sexes: father (person 0), mother (person 1, or 0 again), child (person 2).
    struct Case {
        const char* name;
        bool x;
        const char* sexes;
        Parents parents;
        const char* up;
        const char* down;
        bool same;
    } cases[] = {
        {"blood", false, "MFF", Parents::Two, "0:1*1 1:1*1", "0:1*1 1:1*1", true},
        {"X son", true, "MFM", Parents::Two, "1:0*1", "1:0*1", true},
        {"X son of a father of unknown sex", true, "UFM", Parents::Two, "1:0*1", "0:0*1 1:0*1",
         false},
        {"X daughter of a male mother", true, "MMF", Parents::Two, "0:1*1 1:1*1", "0:1*1 1:1*1",
         true},
        {"one person both parents", false, "MMF", Parents::OnePersonBoth, "0:1*1 0:1*1", "0:1*1",
         false},
        {"the same, children rebuilt", false, "MMF", Parents::OnePersonBothRebuilt, "0:1*1 0:1*1",
         "0:1*2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::PedigreeBuilder b;
        int64_t father = b.Add(c.sexes[0]), mother = b.Add(c.sexes[1]);
        if (c.parents != Parents::Two) mother = father;
        auto child = static_cast<int32_t>(b.Add(c.sexes[2], father, mother));
        TAhnenData data = b.Build();
        if (c.parents == Parents::OnePersonBothRebuilt) data.RebuildChildren();
        FamilyGraph graph(data);
        FamilyLinks links(graph, c.x);
        EXPECT_EQ(Listed(links.Up(child)), c.up);
        EXPECT_EQ(Listed(links.Down(child)), c.down);
        EXPECT_EQ(links.SameBothWays(child), c.same);
    }
}

}  // namespace
}  // namespace qv
