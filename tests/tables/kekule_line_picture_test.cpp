// The ancestor line of the details window: its data object and its picture.
#include "tables/kekule_line_picture.h"

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "data/kekule.h"

namespace qv {
namespace {

// Four generations of known ancestors above person 0, except that 6's father is unknown.
TAhnenData Pedigree()
{
    TAhnenData data(16, 0);
    for (int64_t n = 1; n < 16; ++n) {
        data.Persons[n].Id = "K" + std::to_string(n);
        data.Persons[n].Sex = n % 2 ? 'F' : 'M';
    }
    data.Persons[0].Id = "X";
    auto link = [&data](int64_t child, int64_t father, int64_t mother) {
        TFamilie family;
        family.Husband = father;
        family.Wife = mother;
        data.Persons[child].ParentFamily = static_cast<int32_t>(data.Families.size());
        data.Families.push_back(family);
    };
    for (int64_t n = 1; n < 8; ++n) link(n, n == 6 ? -1 : 2 * n, 2 * n + 1);
    data.LinkFamilies();
    return data;
}

std::vector<std::string> Ids(const TAhnenData& line)
{
    std::vector<std::string> ids;
    for (const TPerson& p : line.Persons) ids.push_back(p.Id);
    return ids;
}

TEST(KekuleLinePicture, LineFollowsTheDigitsAndStopsAtAnUnknownParent)
{
    TAhnenData data = Pedigree();
    struct Case {
        int64_t number;
        std::vector<std::string> ids;
    } cases[] = {
        {1, {"K1"}},
        {0, {"K1"}},  // no number: the root alone
        {-5, {"K1"}},
        {2, {"K1", "K2"}},
        {6, {"K1", "K3", "K6"}},
        {13, {"K1", "K3", "K6", "K13"}},
        {12, {"K1", "K3", "K6"}},  // 6 has no known father
        {1LL << 40, {"K1", "K2", "K4", "K8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        TAhnenData line = KekuleLineData(data, 1, c.number);
        EXPECT_EQ(Ids(line), c.ids);
        // Each person is the only child of the family that makes the next one its parent.
        ASSERT_EQ(line.Families.size() + 1, line.Persons.size());
        for (size_t i = 1; i < line.Persons.size(); ++i) {
            const TFamilie& family = line.Families[i - 1];
            bool father = KekulePath(c.number)[i - 1] == 0;
            EXPECT_EQ(father ? family.Husband : family.Wife, static_cast<int64_t>(i));
            EXPECT_EQ(father ? family.Wife : family.Husband, -1);
            EXPECT_EQ(family.Children, (TArrayOfInt64{static_cast<int64_t>(i - 1)}));
            EXPECT_EQ(line.Persons[i].Children, (TArrayOfInt64{static_cast<int64_t>(i - 1)}));
            EXPECT_EQ(line.Persons[i - 1].ParentFamily, static_cast<int32_t>(i - 1));
        }
        EXPECT_EQ(line.Persons.back().ParentFamily, -1);
        EXPECT_TRUE(line.Persons.front().SpouseFamilies.empty());
    }
    EXPECT_TRUE(KekuleLineData(data, -1, 2).Persons.empty());
    EXPECT_TRUE(KekuleLineData(data, 16, 2).Persons.empty());
}

TEST(KekuleLinePicture, DrawsTheLineAndStopsWhenCancelled)
{
    TAhnenData data = LoadExampleFamily(".");
    int64_t root = data.FindPerson("I19");
    std::optional<Bitmap> rootAlone = BuildKekuleLinePicture(data, root, 1);
    std::optional<Bitmap> line = BuildKekuleLinePicture(data, root, 20);
    ASSERT_TRUE(rootAlone && line);
    // Four more generations stand above the root.
    EXPECT_GT(line->Height(), rootAlone->Height());
    EXPECT_GT(line->Width(), 0);
    auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
    EXPECT_FALSE(BuildKekuleLinePicture(data, root, 20, cancel));
    EXPECT_FALSE(BuildKekuleLinePicture(data, -1, 20));
}

}  // namespace
}  // namespace qv
