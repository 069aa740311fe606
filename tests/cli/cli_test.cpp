// The batch tool as users and other tools call it: outputs, JSON shapes and exit status.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "test_support.h"

namespace qv {
namespace {

using nlohmann::json;
using test::RunCli;

std::string WriteTemp(const std::string& name, const std::string& bytes)
{
    auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

TEST(Cli, InfoOnTheExampleFamily)
{
    auto r = RunCli({"info", "--example", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json info = json::parse(r.out);
    EXPECT_EQ(info["persons"], 34);
    EXPECT_EQ(info["families"], 13);
    EXPECT_EQ(info["charset"], "UTF-8");
    EXPECT_EQ(info["largestSpouseGroup"], 2);
    EXPECT_TRUE(info["warnings"].empty());
    r = RunCli({"info", "--example"});
    EXPECT_EQ(r.out, "Personen: 34\nFamilien: 13\nZeichensatz: UTF-8\nGrößte Ehegruppe: 2\n");
}

TEST(Cli, PersonsListIsFilteredAndSorted)
{
    auto r = RunCli({"persons", "--example", "--filter", "Nachname=mül", "--filter",
                     "Geburtsort=LEIP", "--sort", "Vorname", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> given;
    for (const json& row : json::parse(r.out)) given.push_back(row["given"]);
    EXPECT_EQ(given, (std::vector<std::string>{"Felix", "Jonas", "Lena Sophie"}));

    r = RunCli({"persons", "--example", "--filter", "Geburtsdatum=may 19", "--json"});
    json rows = json::parse(r.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], json({{"index", 10},
                             {"id", "I11"},
                             {"surname", "Müller"},
                             {"given", "Karl"},
                             {"birthDate", "15 MAY 1925"},
                             {"birthPlace", "Bautzen"},
                             {"deathDate", "30 JUN 2001"},
                             {"deathPlace", "Bautzen"}}));

    r = RunCli({"persons", "--example", "--filter", "id=I19"});
    EXPECT_EQ(r.out,
              "Ident.-Nr.\tNachname\tVorname\tGeburtsdatum\tGeburtsort\tSterbedatum\tSterbeort\n"
              "I19\tMüller\tLena Sophie\t21 JUN 1985\tLeipzig\t\t\n");
}

TEST(Cli, KekuleListsAncestorsWithTheirNumbers)
{
    auto r = RunCli({"kekule", "--example", "--root", "I19", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    json rows = json::parse(r.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[0]["id"], "I1");
    EXPECT_EQ(rows[0]["kekule"], json({20, 28}));
    EXPECT_EQ(RunCli({"kekule", "--example", "--root", "#18", "--json"}).out, r.out);
}

TEST(Cli, Utf16AndUtf8FormsGiveIdenticalOutput)
{
    QV_REQUIRE_TESTDATA();
    auto utf8 = RunCli({"persons", test::TestDataFile("555SAMPLE.GED"), "--json"});
    auto utf16 = RunCli({"persons", test::TestDataFile("555SAMPLE16BE.GED"), "--json"});
    EXPECT_EQ(utf8.status, 0);
    EXPECT_EQ(utf8.out, utf16.out);
}

TEST(Cli, BadInputExitsWithOneAndTheMessage)
{
    std::string malformed = WriteTemp("qv-malformed.ged", "0 HEAD\n1 CHAR UTF-8\nBROKEN\n");
    auto r = RunCli({"info", malformed});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "quilvane-cli: 'BROKEN' ist kein gültiger Integerwert\n");
    EXPECT_TRUE(r.out.empty());

    r = RunCli({"info", "/nonexistent/file.ged"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Datei /nonexistent/file.ged kann nicht geöffnet werden."),
              std::string::npos);

    // A directory, whether taken as GEDCOM file or as sibling list.
    auto directory = std::filesystem::temp_directory_path() / "qv-cli-verzeichnis.txt";
    std::filesystem::create_directories(directory);
    for (std::string path : {directory.string(), directory.parent_path().string()}) {
        SCOPED_TRACE(path);
        r = RunCli({"info", path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err,
                  "quilvane-cli: Datei " + path + " kann nicht geöffnet werden. Is a directory\n");
    }
    std::filesystem::remove(directory);

    // The start of a PNG file, renamed: the message quotes printable text.
    std::string png = WriteTemp("qv-bild.ged", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    r = RunCli({"info", png});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "quilvane-cli: '\\x1A' ist kein gültiger Integerwert\n");
}

TEST(Cli, CyclicAncestryFailsClearly)
{
    std::string cyclic = WriteTemp(
        "qv-cyclic.ged",
        "0 HEAD\n0 @I1@ INDI\n1 NAME Ida /Eins/\n1 FAMC @F1@\n0 @I2@ INDI\n1 FAMC @F2@\n"
        "0 @F1@ FAM\n1 HUSB @I2@\n0 @F2@ FAM\n1 WIFE @I1@\n");
    auto r = RunCli({"kekule", cyclic, "--root", "I1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Zirkelbezug in der Abstammung"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("ist eigener Vorfahre."), std::string::npos) << r.err;
}

TEST(Cli, WrongUsageExitsWithTwo)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"nosuchcommand"},
             {"info"},
             {"info", "--example", "--bogus"},
             {"kekule", "--example"},
             {"kekule", "--example", "--root", "I999"},
             {"persons", "--example", "--filter", "Nachname"},
             {"persons", "--example", "--sort", "Sterbeort"},
         }) {
        SCOPED_TRACE(testing::PrintToString(args));
        EXPECT_EQ(RunCli(args).status, 2);
    }
    auto help = RunCli({"persons", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--filter SPALTE=TEXT"), std::string::npos);
}

}  // namespace
}  // namespace qv
