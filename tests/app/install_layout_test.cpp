// Telling an installed program from one in the build folder.
#include "app/install_layout.h"

#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, DataAndIconsAreFoundInTheLayoutTheProgramSitsIn)
{
    fs::path root = fs::temp_directory_path() / ("qv-layout-" + std::to_string(::getpid()));
    fs::remove_all(root);
    for (const char* folder : {"usr/bin", "usr/share/quilvane", "opt/bin", "build/src/gui",
                               "andere/programme", "andere/share/quilvane"})
        fs::create_directories(root / folder);
    const std::string r = root.string();
    struct Case {
        std::string program;
        bool installed;
        std::string data;
        std::string icons;
    } cases[] = {
        {r + "/usr/bin", true, r + "/usr/share/quilvane", r + "/usr/share/icons"},
        {r + "/usr/bin/", true, r + "/usr/share/quilvane", r + "/usr/share/icons"},
        {r + "/usr/./bin", true, r + "/usr/share/quilvane", r + "/usr/share/icons"},
        // A bin folder without our data beside it is not an installation of ours.
        {r + "/opt/bin", false, r + "/opt/bin", r + "/opt/bin/icons"},
        {r + "/build/src/gui", false, r + "/build/src/gui", r + "/build/src/gui/icons"},
        // Our data beside a folder that is not "bin" does not count either.
        {r + "/andere/programme", false, r + "/andere/programme", r + "/andere/programme/icons"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_EQ(IsInstalledProgram(c.program), c.installed);
        EXPECT_EQ(DataDirectory(c.program), c.data);
        EXPECT_EQ(IconDirectory(c.program), c.icons);
    }
    fs::remove_all(root);
}

}  // namespace
}  // namespace qv
