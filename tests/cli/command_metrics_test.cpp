// "metrics" and "generations": values as other tools read them, rows, warnings and usage.
#include <algorithm>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli_runner.h"
#include "test_support.h"

namespace qv {
namespace {

using nlohmann::ordered_json;
using test::RunCli;

TEST(CliMetrics, JsonKeepsMarkersAndTheRequestedOrder)
{
    auto r = RunCli(
        {"metrics", "--example", "--root", "I19", "--names", "gb,f,kekule-min,gb(d)", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    ordered_json rows = ordered_json::parse(r.out);
    auto root = std::find_if(rows.begin(), rows.end(),
                             [](const ordered_json& row) { return row["id"] == "I19"; });
    ASSERT_NE(root, rows.end());
    std::string once = {'0', '\x0E', '1', '\x0F'};  // one path of length 0
    ordered_json values = {{"gb", once}, {"f", "0.0625"}, {"kekule-min", "1"}, {"gb(d)", once}};
    // ordered_json compares the keys' order too.
    EXPECT_EQ(*root, ordered_json({{"index", 18},
                                   {"id", "I19"},
                                   {"surname", "Müller"},
                                   {"given", "Lena Sophie"},
                                   {"values", values}}));
    // Spouses who are not related to the root have no value and no row.
    for (const ordered_json& row : rows) EXPECT_NE(row["id"], "I21");
    EXPECT_EQ(rows.size(), 30u);
}

TEST(CliMetrics, TextShowsSuperscriptsAsCarets)
{
    auto r = RunCli({"metrics", "--example", "--root", "I19", "--person", "I12", "--person", "I21",
                     "--names", "gb,z(d),kmin,c"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Ident.-Nr.\tNachname\tVorname\tgb\tz(d)\tkmin\tc\n"
              "I12\tSchäfer\tGertrud\t2^(1)4^(2)\t1\t-2\t1/2\n"
              "I21\tSchröder\tTobias\tNaN\t0\t\t0\n");
}

TEST(CliMetrics, ValuesCountFromTheKekuleOnePerson)
{
    auto r = RunCli({"metrics", "--example", "--root", "I19", "--kekule-one", "I17", "--person",
                     "I17", "--person", "I11", "--names", "kekule-min,kmin", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    ordered_json rows = ordered_json::parse(r.out);
    EXPECT_EQ(rows[0]["values"], ordered_json({{"kekule-min", "1"}, {"kmin", "0"}}));
    EXPECT_EQ(rows[1]["values"], ordered_json({{"kekule-min", "2"}, {"kmin", "-1"}}));
}

TEST(CliMetrics, UnknownNamesAreUsageErrors)
{
    auto r = RunCli({"metrics", "--example", "--root", "I19", "--names", "gb,gbs(x)"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
              "quilvane-cli metrics: Unbekannter Kennwert: gbs(x)");
    EXPECT_EQ(RunCli({"metrics", "--example", "--names", "gb"}).status, 2);
}

TEST(CliGenerations, RowsRunFromDescendantsToAncestors)
{
    auto r = RunCli({"generations", "--example", "--root", "I19", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    ordered_json rows = ordered_json::parse(r.out);
    std::vector<int> ks;
    for (const ordered_json& row : rows) ks.push_back(row["k"]);
    EXPECT_EQ(ks, (std::vector<int>{1, 0, -1, -2, -3, -4}));
    EXPECT_EQ(rows[4]["values"].size(), 24u);
    EXPECT_EQ(rows[4]["values"].begin().key(), "k");
    EXPECT_EQ(rows[4]["values"]["k"], "-3");
    EXPECT_EQ(rows[4]["values"]["ik"], "0.25");
    EXPECT_EQ(rows[0]["values"]["ntk"], "2");

    r = RunCli({"generations", "--example", "--root", "I19"});
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "k\tik\tiak\tvafk\taapk\tIk\tatk\tapk\tAtk\tApk\tatk-apk\tAtk-Apk\trpk(v)\tRpk(v)\t"
              "rtk(v)\tRtk(v)\ta'tk(v)\ta'pk(v)\tA'tk(v)\tA'pk(v)\tnpk\tntk\tink\tInk");
}

TEST(CliGenerations, DeepAncestryWarnsOnceAndStopsAtGeneration62)
{
    QV_REQUIRE_TESTDATA();
    auto r =
        RunCli({"generations", test::TestDataFile("royal92.ged"), "--root", "I1060", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err,
              "Warnung: Ahnenlinien jenseits der 62. Generation werden nicht berücksichtigt.\n");
    ordered_json rows = ordered_json::parse(r.out);
    EXPECT_EQ(rows.front()["k"], 0);
    EXPECT_EQ(rows.back()["k"], -62);
}

}  // namespace
}  // namespace qv
