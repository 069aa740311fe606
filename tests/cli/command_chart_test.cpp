// "chart tree": the tree chart written by the batch tool, and its refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_output_test.h"

namespace qv {
namespace {

using test::RunCli;

using CliChart = test::CliOutputTest;

TEST_F(CliChart, WritesTheTreeChartAndReportsPersonsAndTime)
{
    auto r = RunCli({"chart", "tree", "--example", "--root", "#18", "--select", "#30,#6,#0",
                     "--set", "AT_TREE_TYPE=2", "--set", "AT_LABEL=2", "-o", File("tafel.svg")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex("Personen: 17\nBenötigte Zeit: [0-9]+s\n")))
        << r.err;
    EXPECT_NE(Text("tafel.svg").find(">Schäfer</text>"), std::string::npos);
}

TEST_F(CliChart, DirectionOutsideItsChoicesIsDrawnAsTheNearestOne)
{
    auto draw = [this](const std::string& alignment) {
        std::string path = File("richtung-" + alignment + ".svg");
        auto r = RunCli({"chart", "tree", "--example", "--root", "#18", "--set",
                         "AT_ALIGNMENT=" + alignment, "-o", path});
        EXPECT_EQ(r.status, 0) << r.err;
        return test::ReadWholeFile(path);
    };
    std::string right = draw("3");
    EXPECT_EQ(draw("9"), right);
    EXPECT_NE(draw("1"), right);
}

TEST_F(CliChart, MessagesEndTheRunWithoutAFile)
{
    // I3 has children with I2 and with I2's son I4: I4 would stand in his father's row.
    const std::string conflict = File("konflikt.ged");
    std::ofstream(conflict)
        << "0 HEAD\n0 @I1@ INDI\n1 NAME Anna /Alt/\n0 @I2@ INDI\n1 NAME Bert /Alt/\n"
           "1 FAMC @F1@\n0 @I3@ INDI\n1 NAME Cora /Neu/\n0 @I4@ INDI\n1 NAME Dirk /Alt/\n"
           "1 FAMC @F2@\n0 @I5@ INDI\n1 NAME Emil /Alt/\n1 FAMC @F3@\n0 @F1@ FAM\n1 WIFE @I1@\n"
           "0 @F2@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n0 @F3@ FAM\n1 HUSB @I4@\n1 WIFE @I3@\n0 TRLR\n";
    ExpectRefusals({"chart", "tree"},
                   {
                       {{"--example"}, 1, "quilvane-cli: Kein Proband gewählt!\n"},
                       {{"--example", "--root", "#18", "--set", "AT_TREE_TYPE=2"},
                        1,
                        "quilvane-cli: Keine Personen in der Liste zum Anzeigen!\n"},
                       {{conflict, "--root", "I1"},
                        1,
                        "quilvane-cli: Fehler: Ausgabe nicht möglich!\r\nDie Person Alt, Dirk (I4) "
                        "soll in der "
                        "selben Generation wie ihre Eltern dargestellt werden.\n"},
                   },
                   "tafel.png");
    auto r = RunCli({"chart", "tree", "--example", "--root", "#18", "-o", File("tafel.gif")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("quilvane-cli chart: AUSGABE muss auf .png, .bmp, .svg, .pdf, .html "
                          "oder .htm enden\n",
                          0),
              0u)
        << r.err;
}

// Only the ancestors are scripted: Lena's two children stay out of the count.
TEST_F(CliChart, InteractiveWritesTheScriptedAncestorChart)
{
    for (const char* name : {"tafel.svg", "tafel.HTM"}) {
        SCOPED_TRACE(name);
        auto r = RunCli(
            {"chart", "tree", "--example", "--root", "#18", "--interactive", "-o", File(name)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("Personen: 19\n"), std::string::npos) << r.err;
        EXPECT_NE(Text(name).find("\nUpdateTree(wurzel);"), std::string::npos);
    }
    auto r = RunCli(
        {"chart", "tree", "--example", "--root", "#18", "--interactive", "-o", File("tafel.pdf")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("quilvane-cli chart: --interactive verlangt eine AUSGABE auf .svg, "
                          ".html oder .htm\n",
                          0),
              0u)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(File("tafel.pdf")));
}

}  // namespace
}  // namespace qv
