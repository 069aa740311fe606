// Copying settings for a chart (Assign) and the selection operations.
#include "app/image_settings.h"

#include <gtest/gtest.h>

#include "app/config_file.h"
#include "app/settings_keys.h"

namespace qv {
namespace {

std::vector<std::string> Without(std::vector<std::string> lines, const std::string& from,
                                 const std::string& to)
{
    auto first = std::find_if(lines.begin(), lines.end(),
                              [&](const std::string& l) { return l.starts_with(from); });
    auto last = std::find(first, lines.end(), to);
    lines.erase(first, last + 1);
    return lines;
}

// The written lines without what Assign does not copy.
std::vector<std::string> CopiedLines(const TImageSettings& s)
{
    std::vector<std::string> lines = SettingsLines(s);
    lines = Without(lines, "TABLE_COL_COUNT", "TABLE_GEN_CAPTIONS_END");
    std::erase_if(lines, [](const std::string& l) {
        return l.starts_with("DG_VALUE") || l.starts_with("MOST_RECENTLY_USED");
    });
    return lines;
}

TEST(ImageSettings, AssignCopiesWhatChartsNeedAndNothingElse)
{
    TImageSettings source;
    ReadSettingsLines(source, {"AT_ALIGNMENT = 3",
                               "AT_LABEL_CUSTOM_TEXT=<NName>",
                               "AT_LABEL_CUSTOM_TEXT_EXT=<gb>",
                               "DD_LABEL = 2",
                               "KT_SHAPE = 1",
                               "KT_NODE_HEIGHT = 80",
                               "DG_VALUE = 5",
                               "NODE_RADIUS = 9",
                               "NODE_COLOR = 0",
                               "NODE_FILL = 0",
                               "FONT_SIZE = 14",
                               "OPEN_DIRECTORY = /a",
                               "MOST_RECENTLY_USED = /x.ged",
                               "TABLE_COL_COUNT = 1",
                               "TABLE_CAPTIONS",
                               "N",
                               "<NName>",
                               "",
                               "TABLE_CAPTIONS_END",
                               "TABLE_GEN_COL_COUNT = 1",
                               "TABLE_GEN_CAPTIONS",
                               "G",
                               "<k>",
                               "TABLE_GEN_CAPTIONS_END",
                               "COMMENT_HEADLINE_TEXT=<Datum>"});
    source.Symbol.SquareColor = 0x123456;
    source.Tree.XChromosomalLines = true;
    source.ProbandIndex = 4;
    source.SavedProbandIndex = 7;
    source.SetSelected(2, true);

    TImageSettings copy;
    copy.MostRecentlyUsed = {"/eigene.ged"};
    copy.FrequencyValue = 1;
    copy.Assign(source);

    EXPECT_EQ(CopiedLines(copy), CopiedLines(source));
    EXPECT_TRUE(copy.TableColumns.empty());
    EXPECT_TRUE(copy.GenTableColumns.empty());
    EXPECT_EQ(copy.FrequencyValue, 1);
    EXPECT_EQ(copy.MostRecentlyUsed, TArrayOfString{"/eigene.ged"});
    EXPECT_EQ(copy.Symbol.SquareColor, TImageSettings_Symbol().SquareColor);
    EXPECT_TRUE(copy.Tree.XChromosomalLines);
    EXPECT_EQ(copy.ProbandIndex, 4);
    EXPECT_EQ(copy.SavedProbandIndex, 7);
    EXPECT_EQ(copy.Selected, source.Selected);
    // The source has no Kekule-1 person of its own: the copy names the effective one.
    EXPECT_EQ(source.KekuleOneIndex, -1);
    EXPECT_EQ(copy.KekuleOneIndex, 7);

    source.KekuleOneIndex = 9;
    copy.Assign(source);
    EXPECT_EQ(copy.KekuleOneIndex, 9);
    source.KekuleOneIndex = -1;
    source.SavedProbandIndex = -1;
    source.Assign(source);
    EXPECT_EQ(source.KekuleOneIndex, 4);
}

TEST(ImageSettings, SelectionGrowsOnDemandAndClearingKeepsItsLength)
{
    TImageSettings s;
    EXPECT_FALSE(s.IsSelected(3));
    s.SetSelected(3, true);
    s.SetSelected(1, true);
    s.SetSelected(-1, true);
    EXPECT_EQ(s.Selected, (TArrayOfBoolean{false, true, false, true}));
    EXPECT_EQ(s.SelectedCount(), 2);
    EXPECT_FALSE(s.IsSelected(4));
    EXPECT_FALSE(s.IsSelected(-1));
    s.SetSelected(6, false);
    EXPECT_EQ(s.Selected.size(), 7u);
    s.ClearSelection();
    EXPECT_EQ(s.Selected.size(), 7u);
    EXPECT_EQ(s.SelectedCount(), 0);
}

}  // namespace
}  // namespace qv
