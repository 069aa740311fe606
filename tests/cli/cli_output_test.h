// Batch-tool tests whose outputs go to a directory of their own, removed after each test.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv::test {

// A run the batch tool must refuse: its arguments, exit status and a part of its message.
struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string message;
};

class CliOutputTest : public testing::Test {
protected:
    CliOutputTest() { std::filesystem::create_directories(m_dir); }
    ~CliOutputTest() override { std::filesystem::remove_all(m_dir); }

    std::string File(const std::string& name) const { return (m_dir / name).string(); }
    std::string Text(const std::string& name) const { return ReadWholeFile(m_dir / name); }

    // Runs command + refusal.args + "-o output" for each refusal: the status and message
    // must match and the output must not exist afterwards.
    void ExpectRefusals(const std::vector<std::string>& command,
                        const std::vector<Refusal>& refusals, const std::string& output) const
    {
        for (const Refusal& refusal : refusals) {
            std::vector<std::string> args = command;
            args.insert(args.end(), refusal.args.begin(), refusal.args.end());
            args.insert(args.end(), {"-o", File(output)});
            const CliResult r = RunCli(args);
            EXPECT_EQ(r.status, refusal.status) << r.err;
            EXPECT_NE(r.err.find(refusal.message), std::string::npos) << r.err;
            EXPECT_FALSE(std::filesystem::exists(File(output))) << r.err;
        }
    }

private:
    static std::string TestName()
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        return std::string(test->test_suite_name()) + "-" + test->name();
    }

    std::filesystem::path m_dir = std::filesystem::temp_directory_path() /
                                  ("qv-cli-" + TestName() + "-" + std::to_string(::getpid()));
};

}  // namespace qv::test
