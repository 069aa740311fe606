// "chart circle": the circle chart written by the batch tool, and its refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_output_test.h"

namespace qv {
namespace {

using test::RunCli;

using CliCircleChart = test::CliOutputTest;

TEST_F(CliCircleChart, WritesEveryFormatAndReportsTheTime)
{
    for (const char* name : {"kreis.png", "kreis.bmp", "kreis.svg", "kreis.pdf", "kreis.html"}) {
        SCOPED_TRACE(name);
        auto r = RunCli({"chart", "circle", "--example", "--root", "#18", "--set", "KT_KEKULE=1",
                         "--set", "KT_SHAPE=1", "-o", File(name)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(std::regex_match(r.err, std::regex("Benötigte Zeit: [0-9]+s\n"))) << r.err;
        EXPECT_GT(std::filesystem::file_size(File(name)), 1000u);
    }
    EXPECT_NE(Text("kreis.svg").find("#1 "), std::string::npos);  // the proband's Kekule number
}

TEST_F(CliCircleChart, MessagesEndTheRunWithoutAFile)
{
    ExpectRefusals(
        {"chart", "circle"},
        {
            {{"--example"}, 1, "quilvane-cli: Kein Proband gewählt!\n"},
            {{"--example", "--root", "#18", "--set", "KT_SHAPE=1", "--set", "FONT_SIZE=40"},
             1,
             "quilvane-cli: Der Halbkreis braucht bei Schriftgröße 40 einen Generationsabstand von "
             "mindestens "},
            {{"--example", "--root", "#18", "--select", "#3"}, 2, "--select"},
        },
        "kreis.png");
    auto r = RunCli({"chart", "circle", "--example", "--root", "#18", "-o", File("kreis.gif")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("quilvane-cli chart: AUSGABE muss auf .png, .bmp, .svg, .pdf, .html "
                          "oder .htm enden\n",
                          0),
              0u)
        << r.err;
    r = RunCli({"chart", "triangel", "--example"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("chart erwartet tree, circle, triangle oder frequency"), std::string::npos)
        << r.err;
}

}  // namespace
}  // namespace qv
