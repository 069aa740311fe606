// "select" and the --select/--query options: persons in the order the queries reach them.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/relationship_query_names.h"
#include "cli_runner.h"

namespace qv {
namespace {

using test::RunCli;

std::vector<std::string> SelectedIds(const std::vector<std::string>& args)
{
    auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> ids;
    for (const auto& item : nlohmann::json::parse(r.out)) ids.push_back(item["id"]);
    return ids;
}

// The help text spells the names out; they must be the ones --query takes.
TEST(CliSelect, HelpNamesEveryQuery)
{
    auto r = RunCli({"select", "--help"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const RelationshipQueryName& entry : kRelationshipQueryNames)
        EXPECT_NE(r.out.find(entry.batchName), std::string::npos) << entry.batchName;
}

TEST(CliSelect, PrintsTheListInQueryOrder)
{
    auto r = RunCli({"select", "--example", "--query", "Spitzenahnen", "--from", "I19"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "I3 - Müller, Wilhelm\nI31 - Krüger, Ludwig\nI32 - Zöllner, Rosa\nI1 - Schäfer, "
              "Johann Gottlieb\n"
              "I2 - Hoffmann, Margarethe\nI9 - Böhm, August\nI10 - Köhler, Luise\n"
              "I7 - Weiß, Otto\nI8 - Jäger, Käthe\n");
}

TEST(CliSelect, OptionsAddUpInCommandLineOrder)
{
    EXPECT_EQ(SelectedIds({"select", "--example", "--json", "--select", "I22,I21", "--query",
                           "x-vorfahren:I17", "--query", "markierte:I22,I17,#0"}),
              (std::vector<std::string>{"I22", "I21", "I17", "I12", "I5", "I2", "I6", "I9", "I10",
                                        "I1"}));
    EXPECT_EQ(
        SelectedIds({"select", "--example", "--json", "--query", "nachfahren:I13,I17"}),
        (std::vector<std::string>{"I13", "I18", "I19", "I22", "I23", "I20", "I29", "I25", "I17"}));
}

TEST(CliSelect, WrongQueriesAndPersonsAreUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        std::string firstErrorLine;
    } cases[] = {
        {{"select", "--example", "--query", "cousins", "--from", "I1"},
         "quilvane-cli select: Unbekannte Abfrage: cousins (markierte, vorfahren, nachfahren, "
         "spitzenahnen, blutsverwandte, x-vorfahren, x-nachfahren, x-verwandte)"},
        {{"select", "--example", "--query", "vorfahren:I1,I99"},
         "quilvane-cli select: Person nicht gefunden: I99"},
        {{"select", "--example", "--select", "I1,,I2"},
         "quilvane-cli select: Leerer Eintrag in der Personenliste: I1,,I2"},
        {{"select", "--example", "--query", "vorfahren"},
         "quilvane-cli select: --query erwartet NAME:PERSON,..."},
        {{"select", "--example", "--from", "I1"},
         "quilvane-cli select: --from gehört zu genau einem --query NAME"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstErrorLine);
        auto r = RunCli(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.firstErrorLine);
    }
}

}  // namespace
}  // namespace qv
