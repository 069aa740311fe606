// "siblings", and sibling lists read wherever a family file is taken.
#include <filesystem>
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
