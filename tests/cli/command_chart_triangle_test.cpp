// "chart triangle": the triangle diagram written by the batch tool, and its refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_output_test.h"

namespace qv {
namespace {

using test::RunCli;

using CliTriangle = test::CliOutputTest;

TEST_F(CliTriangle, WritesTheDiagramAndCountsItsPersons)
{
    auto r = RunCli({"chart", "triangle", "--example", "--root", "#18", "--set", "DD_LABEL=2",
                     "--set", "DD_LABELS_SURNAME_CAPS=1", "-o", File("dreieck.svg")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex("Personen: [1-9][0-9]*\nBenötigte Zeit: ")))
        << r.err;
    const std::string text = Text("dreieck.svg");
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
    ExpectRefusals(
        {"chart"},
        {
            {{"triangle", "--example"}, 1, "quilvane-cli: Kein Proband gewählt!\n"},
            {{"triangle", "--example", "--root", "#18", "--set", "DD_TREE_TYPE=2"},
             1,
             "quilvane-cli: Keine Personen in der Liste zum Anzeigen!\n"},
            {{"dreieck", "--example", "--root", "#18"},
             2,
             "quilvane-cli chart: chart erwartet tree, circle, triangle oder frequency\n"},
            {{"triangle", "--example", "--root", "#18", "--set", "DD_ALIGNMENT=x"},
             2,
             "DD_ALIGNMENT"},
        },
        "dreieck.pdf");
}

}  // namespace
}  // namespace qv
