// The embedded example family that previews and demos rely on.
#include "data/example_family.h"

#include <gtest/gtest.h>

#include "data/kekule.h"

namespace qv {
namespace {

TEST(ExampleFamily, HasTheShapeThePreviewsUse)
{
    EXPECT_TRUE(ExampleGedcomBytes().starts_with("\xEF\xBB\xBF" "0 HEAD"));
    TAhnenData data = LoadExampleFamily("/opt/quilvane");
    EXPECT_EQ(data.FileName, "/opt/quilvane/beispielostrelle.ged");
    EXPECT_EQ(data.Persons.size(), 34u);
    EXPECT_EQ(data.Families.size(), 13u);
    EXPECT_EQ(data.CharSet, "UTF-8");
    EXPECT_TRUE(data.Warnings.empty());

    // Person 18 has four generations of ancestors; its parents are first cousins.
    TArrayOfArrayOfInt64 numbers = data.ComputeKekuleNumbers(18);
    int deepest = 0, collapsed = 0;
    for (const TArrayOfInt64& list : numbers) {
        for (int64_t n : list) deepest = std::max(deepest, KekuleGeneration(n));
        collapsed += list.size() > 1;
    }
    EXPECT_EQ(deepest, 4);
    EXPECT_GE(collapsed, 2);
    EXPECT_EQ(data.Persons[18].GivenNames, "Lena Sophie");
    EXPECT_EQ(data.Persons[6].Surname, "Weiß");
}

}  // namespace
}  // namespace qv
