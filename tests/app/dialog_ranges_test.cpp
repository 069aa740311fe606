// What the outputs use of stored values outside the dialogs' ranges and choices.
#include "app/dialog_ranges.h"

#include <gtest/gtest.h>

#include "app/settings_keys.h"

namespace qv {
namespace {

// The stored value of a numeric key.
int64_t NumberOf(TImageSettings& settings, const char* key)
{
    SettingField field = FindSettingKey(key)->field(settings);
    if (auto* small = std::get_if<uint8_t*>(&field)) return **small;
    if (auto* count = std::get_if<uint32_t*>(&field)) return **count;
    return *std::get<int32_t*>(field);
}

TEST(DialogRanges, ValuesOutsideAChoiceOrRangeTakeTheNearestOne)
{
    struct Case {
        const char* key;
        const char* stored;
        int64_t used;
    } cases[] = {
        // Radio groups: a choice the dialog does not offer would be drawn as some other one.
        {"AT_ALIGNMENT", "7", 3},
        {"AT_ALIGNMENT", "2", 2},
        {"AT_LABEL", "4", 3},
        {"AT_LABEL_GEN", "9", 1},
        {"AT_SORTING", "3", 2},
        {"AT_TREE_TYPE", "255", 2},
        {"DD_ALIGNMENT", "4", 3},
        {"DD_LABEL", "200", 3},
        {"DD_TREE_TYPE", "3", 2},
        {"KT_SHAPE", "2", 1},
        {"DG_VALUE", "9", 8},
        {"DG_VALUE", "-1", 0},
        // Spin edits.
        {"NODE_RADIUS", "1", 2},
        {"FONT_SIZE", "101", 100},
        {"KT_NODE_HEIGHT", "0", 50},
        {"AT_TREE_MAX_GEN", "255", 99},
        {"AT_FOOTNOTE_THRESHOLD", "1", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.stored);
        TImageSettings settings;
        ASSERT_EQ(ApplySetting(settings, c.key, c.stored), SettingResult::Applied);
        ApplyDialogRanges(settings);
        EXPECT_EQ(NumberOf(settings, c.key), c.used);
    }
}

}  // namespace
}  // namespace qv
