// "siblings", and sibling lists read wherever a family file is taken.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace qv {
namespace {

using test::ReadWholeFile;
using test::RunCli;

TEST(CliSiblings, WritesTheListAndReadsItBackAsAFamily)
{
    auto dir =
        std::filesystem::temp_directory_path() / ("qv-cli-siblings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string first = (dir / "liste.txt").string(), second = (dir / "wieder.TXT").string();

    auto r = RunCli({"siblings", "--example", "--root", "I19", "-o", first});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.err, std::regex("Geschwisterpaare: 1\nPersonen: 2\n"
                                                   "Benötigte Zeit: [0-9]+s\n")))
        << r.err;
    EXPECT_EQ(r.out, "");

    // The list is a family file of its own, rooted at person 0 unless --root says otherwise.
    r = RunCli({"siblings", first, "-o", second});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(first));
    r = RunCli({"kekule", second, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    nlohmann::json rows = nlohmann::json::parse(r.out);
    auto carriesTen = [](const nlohmann::json& row) {
        return row["kekule"] == nlohmann::json({10, 14});
    };
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), carriesTen), 1);
    EXPECT_EQ(RunCli({"kekule", second, "--root", "I1", "--json"}).out, r.out);
    std::filesystem::remove_all(dir);
}

TEST(CliSiblings, DeepAndCyclicAncestriesAreReported)
{
    auto dir =
        std::filesystem::temp_directory_path() / ("qv-cli-deep-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    // I0 to I64, each the father of the one before.
    std::string deep = "0 HEAD\n";
    for (int g = 0; g <= 64; ++g) {
        deep += "0 @I" + std::to_string(g) + "@ INDI\n";
        if (g < 64) deep += "1 FAMC @F" + std::to_string(g) + "@\n";
    }
    for (int g = 0; g < 64; ++g)
        deep += "0 @F" + std::to_string(g) + "@ FAM\n1 HUSB @I" + std::to_string(g + 1) + "@\n";
    std::ofstream(dir / "tief.ged") << deep << "0 TRLR\n";
    std::ofstream(dir / "zirkel.ged")
        << "0 HEAD\n0 @I1@ INDI\n1 NAME Ida /Eins/\n1 FAMC @F1@\n0 @I2@ INDI\n1 FAMC @F2@\n"
           "0 @F1@ FAM\n1 HUSB @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n0 TRLR\n";

    auto r = RunCli({"siblings", (dir / "tief.ged").string(), "--root", "I0", "-o",
                     (dir / "tief.txt").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(
        r.err.starts_with("Warnung: Ahnenlinien jenseits der 62. Generation werden "
                          "nicht berücksichtigt.\nGeschwisterpaare: 0\n"))
        << r.err;

    r = RunCli({"siblings", (dir / "zirkel.ged").string(), "--root", "I1", "-o",
                (dir / "zirkel.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("quilvane-cli: Zirkelbezug in der Abstammung: I1 (Eins, Ida) ist "
                         "eigener Vorfahre.\n"),
              std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "zirkel.txt"));
    std::filesystem::remove_all(dir);
}

TEST(CliSiblings, RefusalsAreReported)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string firstErrorLine;
    } cases[] = {
        {{"siblings", "--example", "--root", "I19"}, 2, "quilvane-cli siblings: Option -o fehlt"},
        {{"siblings", "--example", "-o", "/tmp/x.txt"},
         2,
         "quilvane-cli siblings: Option --root fehlt"},
        {{"siblings", "--example", "--root", "I19", "-o", "/tmp/x.rtf"},
         1,
         "quilvane-cli: Die Verschwisterungsliste kann nicht als /tmp/x.rtf geschrieben "
         "werden: unbekanntes Dateiformat (.txt, .html, .htm, .xlsx, .docx)."},
        {{"kekule", "--example"}, 2, "quilvane-cli kekule: Option --root fehlt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstErrorLine);
        auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.firstErrorLine);
    }
}

}  // namespace
}  // namespace qv
