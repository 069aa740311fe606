// Ctrl-C during long work: status 130, nothing on stdout.
#include <csignal>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "long_work.h"

namespace qv {
namespace {

TEST(CliInterrupt, CtrlCEndsWithStatus130AndNoOutput)
{
    auto dir =
        std::filesystem::temp_directory_path() / ("qv-interrupt-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "collapse.ged") << test::SiblingMarriages();
    int err = open((dir / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = test::SpawnCli(
        {"metrics", (dir / "collapse.ged").string(), "--root", "I79", "--names", "z"},
        (dir / "out").string(), err);
    close(err);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    kill(child, SIGINT);
    EXPECT_EQ(test::WaitForExit(child), 130);
    EXPECT_EQ(test::ReadWholeFile(dir / "out"), "");
    EXPECT_EQ(test::ReadWholeFile(dir / "err"), "Abgebrochen.\n");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
