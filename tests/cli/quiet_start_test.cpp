// The batch tool outside a desktop session: its version, and only its own messages on stderr.
#include <filesystem>
#include <regex>

#include <unistd.h>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::RunCli;

TEST(CliStartUp, VersionNamesProgramAndVersion)
{
    auto r = RunCli({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(
        std::regex_match(r.out, std::regex("quilvane-cli \\(Quilvane\\) [0-9]+(\\.[0-9]+){3}\n")))
        << r.out;
    EXPECT_EQ(r.err, "");
}

TEST(CliStartUp, StderrHoldsOnlyOurOwnMessagesWithoutADesktopSession)
{
    const std::string noSession =
        "env -u XDG_RUNTIME_DIR -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY";
    // A display that is named but not there (a stale DISPLAY over ssh) must not matter either.
    const std::string environments[] = {noSession, noSession + " DISPLAY=:99",
                                        noSession + " WAYLAND_DISPLAY=qv-fehlt"};
    auto picture = std::filesystem::temp_directory_path() /
                   ("qv-quiet-" + std::to_string(::getpid()) + ".png");
    for (const std::string& environment : environments) {
        SCOPED_TRACE(environment);
        auto r = RunCli({"chart", "tree", "--example", "--root", "#18", "-o", picture.string()},
                        environment);
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(std::regex_match(r.err, std::regex("Personen: 21\nBenötigte Zeit: [0-9]+s\n")))
            << r.err;
        EXPECT_TRUE(std::filesystem::exists(picture));
        std::filesystem::remove(picture);

        r = RunCli({"info", "--example"}, environment);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
    }
}

}  // namespace
}  // namespace qv
