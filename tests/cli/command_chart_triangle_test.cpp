// "chart triangle": the triangle diagram written by the batch tool, and its refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::RunCli;

class CliTriangle : public testing::Test {
protected:
    CliTriangle() { std::filesystem::create_directories(m_dir); }
    ~CliTriangle() override { std::filesystem::remove_all(m_dir); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir = std::filesystem::temp_directory_path() /
                                  ("qv-cli-triangle-" + std::to_string(::getpid()));
};

TEST_F(CliTriangle, WritesTheDiagramAndCountsItsPersons)
{
    auto r = RunCli({"chart", "triangle", "--example", "--root", "#18", "--set", "DD_LABEL=2",
                     "--set", "DD_LABELS_SURNAME_CAPS=1", "-o", File("dreieck.svg")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex("Personen: [1-9][0-9]*\nBenötigte Zeit: ")))
        << r.err;
    std::ifstream svg(File("dreieck.svg"));
    const std::string text((std::istreambuf_iterator<char>(svg)), {});
    EXPECT_NE(text.find(">Vorfahren</text>"), std::string::npos);
    EXPECT_NE(text.find(">SCHÄFER</text>"), std::string::npos);

    // Only the selected persons among the relatives: the proband alone.
    r = RunCli({"chart", "triangle", "--example", "--root", "#18", "--select", "#18", "--set",
                "DD_TREE_TYPE=2", "-o", File("dreieck.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Personen: 1\n"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::exists(File("dreieck.png")));
}

TEST_F(CliTriangle, MessagesEndTheRunWithoutAFile)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"triangle", "--example"}, 1, "quilvane-cli: Kein Proband gewählt!\n"},
        {{"triangle", "--example", "--root", "#18", "--set", "DD_TREE_TYPE=2"},
         1,
         "quilvane-cli: Keine Personen in der Liste zum Anzeigen!\n"},
        {{"dreieck", "--example", "--root", "#18"},
         2,
         "quilvane-cli chart: chart erwartet tree oder triangle\n"},
        {{"triangle", "--example", "--root", "#18", "--set", "DD_ALIGNMENT=x"}, 2, "DD_ALIGNMENT"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"chart"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"-o", File("dreieck.pdf")});
        auto r = RunCli(args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(File("dreieck.pdf")));
    }
}

}  // namespace
}  // namespace qv
