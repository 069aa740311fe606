// "details": the details text as RTF, the line picture, and the refusals.
#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::ReadWholeFile;
using test::RunCli;

class CliDetails : public testing::Test {
protected:
    CliDetails() { std::filesystem::create_directories(m_dir); }
    ~CliDetails() override { std::filesystem::remove_all(m_dir); }
    std::string File(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("qv-cli-details-" + std::to_string(::getpid()));
};

TEST_F(CliDetails, WritesTheDescriptionAsRtf)
{
    auto r =
        RunCli({"details", "--example", "--person", "I1", "--root", "I19", "-o", File("i1.rtf")});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string rtf = ReadWholeFile(File("i1.rtf"));
    EXPECT_EQ(
        rtf.rfind("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs20 ", 0),
        0u);
    EXPECT_NE(rtf.find("\\b Nachname:\\tab Sch\\u228\\'e4fer\\b0\\line "), std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("kleinste Kekulenummer: 20\\line "), std::string::npos);
    EXPECT_EQ(rtf.find("f = "), std::string::npos);
    EXPECT_EQ(rtf.back(), '}');

    r = RunCli({"details", "--example", "--person", "I1", "--root", "I19", "--detailed", "-o",
                File("i1-alle.rtf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(ReadWholeFile(File("i1-alle.rtf")).find("\\line f = "), std::string::npos);
}

TEST_F(CliDetails, DrawsTheLineToOneOfThePersonsNumbers)
{
    auto r = RunCli({"details", "--example", "--person", "I1", "--root", "I19", "--kekule-picture",
                     "20", "-o", File("linie.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex("Personen: 5\nBenötigte Zeit: ")));
    EXPECT_EQ(ReadWholeFile(File("linie.png")).substr(1, 3), "PNG");
}

TEST_F(CliDetails, RefusesWhatItCannotDo)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--person", "I1", "--root", "I19", "-o", File("x.txt")},
         2,
         "AUSGABE muss auf .rtf enden"},
        {{"--person", "I1", "--root", "I19", "--kekule-picture", "20", "-o", File("x.rtf")},
         2,
         "AUSGABE muss auf .png oder .bmp enden"},
        {{"--person", "I1", "--root", "I19", "--kekule-picture", "0", "-o", File("x.png")},
         2,
         "--kekule-picture erwartet eine Kekule-Nummer ab 1: 0"},
        {{"--person", "I1", "--root", "I19", "--kekule-picture", "21", "-o", File("x.png")},
         1,
         "21 ist keine Kekule-Nummer von I1 (Schäfer, Johann Gottlieb)"},
        {{"--person", "I1", "--kekule-picture", "20", "-o", File("x.png")},
         1,
         "Kein Proband gewählt!"},
        {{"--person", "I99", "--root", "I19", "-o", File("x.rtf")},
         2,
         "Person nicht gefunden: I99"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"details", "--example"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto r = RunCli(args);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(File("x.png")));
    EXPECT_FALSE(std::filesystem::exists(File("x.rtf")));
}

}  // namespace
}  // namespace qv
