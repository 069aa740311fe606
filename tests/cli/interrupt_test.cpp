// Long work on a terminal: a progress line with the engine's texts, and Ctrl-C cancels it
// with status 130, nothing on stdout and the line cleared.
#include <poll.h>
#include <stdlib.h>
#include <csignal>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "long_work.h"

namespace qv {
namespace {

// What the child wrote to the terminal until it closed it or, when given, until the text
// until appeared.
std::string ReadTerminal(int master, const std::string& until = {})
{
    std::string text;
    char buffer[4096];
    pollfd waiting{master, POLLIN, 0};
    while (poll(&waiting, 1, 5000) > 0) {
        ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0) break;
        text.append(buffer, n);
        if (!until.empty() && text.find(until) != std::string::npos) break;
    }
    return text;
}

TEST(CliInterrupt, ProgressLineOnATerminalAndCtrlCEndsWith130)
{
    auto dir = std::filesystem::temp_directory_path() / ("qv-progress-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "collapse.ged") << test::ClosedPopulationFile();
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) GTEST_SKIP() << "no pseudo-terminal here";
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    int terminal = open(ptsname(master), O_RDWR | O_NOCTTY);
    pid_t child = test::SpawnCli(
        {"metrics", (dir / "collapse.ged").string(), "--root", "I10000", "--names", "z"},
        (dir / "out").string(), terminal);
    close(terminal);
    ASSERT_GT(child, 0);
    // Interrupted once the engine is under way, however long a busy machine takes to get there.
    std::string shown = ReadTerminal(master, "\r\x1b[KBerechne <gb> [");
    kill(child, SIGINT);
    shown += ReadTerminal(master);
    EXPECT_EQ(test::WaitForExit(child), 130);
    close(master);
    EXPECT_EQ(test::ReadWholeFile(dir / "out"), "");
    EXPECT_NE(shown.find("\r\x1b[KBerechne <gb> ["), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.rfind('%') + 1), "\r\x1b[KAbgebrochen.\r\n") << shown;
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
