// "webgl": the 3D view's page written by the batch tool, and its refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::RunCli;

class CliWebGl : public testing::Test {
protected:
    CliWebGl() { std::filesystem::create_directories(m_dir); }
    ~CliWebGl() override { std::filesystem::remove_all(m_dir); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("qv-cli-webgl-" + std::to_string(::getpid()));
};

TEST_F(CliWebGl, WritesThePageOfEitherDisplayType)
{
    for (const char* type : {"1", "2"}) {
        SCOPED_TRACE(type);
        auto r = RunCli({"webgl", "--example", "--root", "#18", "--type", type, "-o",
                         File("seite.html")});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(std::regex_search(r.err, std::regex("^Personen: [0-9]+\nBenötigte Zeit: ")))
            << r.err;
        std::ifstream page(File("seite.html"), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(page)), {});
        EXPECT_TRUE(text.starts_with("<!DOCTYPE HTML")) << text.substr(0, 80);
        EXPECT_NE(text.find("\r\nvar Nodes = [Vector("), std::string::npos);
        EXPECT_NE(text.find("'Schäfer, "), std::string::npos) << "names as UTF-8";
    }
}

TEST_F(CliWebGl, RefusesWhatItCannotWrite)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--example", "--root", "#18", "--type", "3", "-o", File("a.html")},
         2,
         "quilvane-cli webgl: --type muss 1 (Kreis/Kegel) oder 2 (rechtwinklige Linien) sein\n"},
        {{"--example", "--root", "#18", "-o", File("a.png")},
         2,
         "quilvane-cli webgl: AUSGABE muss auf .html oder .htm enden\n"},
        {{"--example", "-o", File("a.html")}, 2, "quilvane-cli webgl: Option --root fehlt\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"webgl"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto r = RunCli(args);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
        EXPECT_FALSE(std::filesystem::exists(File("a.html")));
    }
    auto r = RunCli({"webgl", "--example", "--root", "#18", "-o", File("fehlt/a.html")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err, "");
}

}  // namespace
}  // namespace qv
