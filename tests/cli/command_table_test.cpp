// "table persons" and "table generations": columns from the settings, files, figures, refusals.
#include <filesystem>
#include <fstream>
#include <regex>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::ReadWholeFile;
using test::RunCli;

class CliTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("qv-cli-table-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        std::ofstream(m_dir / "tabelle.ini", std::ios::binary)
            << "TABLE_COL_COUNT = 2\r\nTABLE_CAPTIONS\r\nName\r\n<NName>, <VName>\r\n\r\n"
               "Kekule\r\n<Kekule>\r\nabsteigend 1\r\nTABLE_CAPTIONS_END\r\n"
               "TABLE_GEN_COL_COUNT = 1\r\nTABLE_GEN_CAPTIONS\r\nGen.\r\n<k>\r\n"
               "TABLE_GEN_CAPTIONS_END\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
};

TEST_F(CliTable, PersonTableUsesTheConfiguredColumnsAndSelection)
{
    auto r =
        RunCli({"table", "persons", "--example", "--root", "I19", "--config", Path("tabelle.ini"),
                "--select", "I1,I18", "--query", "markierte:I17", "-o", Path("personen.html")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.err, std::regex("Personen: 3\nBenötigte Zeit: [0-9]+s\n")))
        << r.err;
    EXPECT_EQ(ReadWholeFile(Path("personen.html")),
              "<!DOCTYPE HTML>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" "
              "content=\"text/html; charset=utf-8\">\r\n</head>\r\n<body>\r\n"
              "<table border=\"1\" rules=\"all\">\r\n<tr>\r\n<th>Name</th>\r\n<th>Kekule</th>\r\n"
              "</tr>\r\n<tr>\r\n<td>Schäfer, Johann Gottlieb</td>\r\n<td>20</td>\r\n</tr>\r\n"
              "<tr>\r\n<td>Weiß, Sabine</td>\r\n<td>3</td>\r\n</tr>\r\n"
              "<tr>\r\n<td>Müller, Jürgen</td>\r\n<td>2</td>\r\n</tr>\r\n"
              "</table>\r\n</body>\r\n</html>\r\n");

    // The Kekule-1 person changes the numbers; --set overrides the file.
    r = RunCli({"table", "persons", "--example", "--root", "I19", "--kekule-one", "I17", "--config",
                Path("tabelle.ini"), "--select", "I1", "-o", Path("k.xlsx")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::file_size(Path("k.xlsx")) > 0);
}

TEST_F(CliTable, GenerationTableAndSiblingListInput)
{
    auto r = RunCli({"table", "generations", "--example", "--root", "I22", "--config",
                     Path("tabelle.ini"), "-o", Path("gen.htm")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.err, std::regex("Benötigte Zeit: [0-9]+s\n"))) << r.err;
    std::string page = ReadWholeFile(Path("gen.htm"));
    EXPECT_TRUE(page.starts_with("<html>\r\n"));
    EXPECT_NE(page.find("<td>0</td>\r\n</tr>\r\n<tr>\r\n<td>-1</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>-5</td>\r\n</tr>\r\n</table>"), std::string::npos);

    ASSERT_EQ(RunCli({"siblings", "--example", "--root", "I19", "-o", Path("l.txt")}).status, 0);
    r = RunCli({"table", "generations", Path("l.txt"), "--config", Path("tabelle.ini"), "-o",
                Path("l.docx")});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(CliTable, RefusalsAreReported)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string firstErrorLine;
    } cases[] = {
        {{"table", "--example"}, 2, "quilvane-cli table: table erwartet persons oder generations"},
        {{"table", "persons", "--example", "--root", "I19", "-o", "/tmp/x.html"},
         1,
         "quilvane-cli: Keine Personen in der Liste zum Anzeigen!"},
        {{"table", "generations", "--example", "--root", "I19", "-o", "/tmp/x.csv"},
         1,
         "quilvane-cli: Die Tabelle kann nicht als /tmp/x.csv geschrieben werden: unbekanntes "
         "Dateiformat (.html, .htm, .xlsx, .docx)."},
        {{"table", "generations", "--example", "-o", "/tmp/x.html"},
         2,
         "quilvane-cli table: Option --root fehlt"},
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
