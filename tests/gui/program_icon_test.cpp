// The window icon comes from the sizes rendered beside the program.
#include "gui/program_icon.h"

#include <algorithm>

#include <QDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(ProgramIcon, EveryRenderedSizeIsOffered)
{
    QIcon icon = ProgramIcon(QV_GUI_ICON_DIR);
    ASSERT_FALSE(icon.isNull());
    QList<int> sizes;
    for (QSize size : icon.availableSizes()) sizes.push_back(size.width());
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 24, 32, 48, 64, 128, 256}));
    QImage small = icon.pixmap(16, 16).toImage();
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_GT(qAlpha(small.pixel(8, 8)), 200) << "the picture is drawn, not transparent";

    EXPECT_TRUE(ProgramIcon(QDir::tempPath() + "/qv-keine-symbole").isNull());
}

}  // namespace
}  // namespace qv
