// The recent-files list and its menu captions.
#include "app/recent_files.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecentFiles, MostRecentFirstAtMostFour)
{
    std::vector<std::string> list;
    for (const char* path : {"a", "b", "c", "d"}) RecordRecentFile(list, path);
    EXPECT_EQ(list, (std::vector<std::string>{"d", "c", "b", "a"}));
    RecordRecentFile(list, "b");
    EXPECT_EQ(list, (std::vector<std::string>{"b", "d", "c", "a"}));
    RecordRecentFile(list, "b");
    EXPECT_EQ(list, (std::vector<std::string>{"b", "d", "c", "a"}));
    RecordRecentFile(list, "e");
    EXPECT_EQ(list, (std::vector<std::string>{"e", "b", "d", "c"}));
}

TEST(RecentFiles, LongPathsAreShortenedInTheMiddle)
{
    // 60 characters with a 10-character file name: 36 directory characters remain.
    std::string directory = "/home/genealogie/daten/" + std::string(26, 'x') + "/";
    std::string path = directory + "family.ged";
    ASSERT_EQ(path.size(), 60u);
    EXPECT_EQ(RecentFileCaption(path), directory.substr(0, 36) + "...\\family.ged");
    std::string short49(49, 'a');
    EXPECT_EQ(RecentFileCaption(short49), short49);
    std::string exactly50 = "/" + std::string(40, 'd') + "/abcd.ged";
    ASSERT_EQ(exactly50.size(), 50u);
    EXPECT_EQ(RecentFileCaption(exactly50), exactly50.substr(0, 38) + "...\\abcd.ged");
    // A file name of 44 characters or more still keeps three directory characters.
    std::string longName = "/ab/" + std::string(50, 'n') + ".ged";
    EXPECT_EQ(RecentFileCaption(longName), "/ab...\\" + std::string(50, 'n') + ".ged");
    EXPECT_EQ(RecentFileCaption("/Familien/" + std::string(36, 'o') + "/Müller.ged"),
              "/Familien/" + std::string(26, 'o') + "...\\Müller.ged");
}

}  // namespace
}  // namespace qv
