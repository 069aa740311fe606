// "config" and the --config/--set options every output command shares.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "cli_runner.h"

namespace qv {
namespace {

using test::RunCli;

TEST(CliConfig, SetOptionsApplyInOrderOverTheFile)
{
    auto path = std::filesystem::temp_directory_path() /
                ("qv-config-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path, std::ios::binary)
        << "AT_ALIGNMENT = 3\r\nCOMMENT_HEADER_TEXT=alt\r\nFONT_SIZE = 12\r\n";
    auto r = RunCli({"config", "--config", path.string(), "--set", "AT_ALIGNMENT=2", "--set",
                     "COMMENT_HEADER_TEXT= <b>neu</b> ", "--set", "COMMENT_HEADER_TEXT=zwei"});
    std::filesystem::remove(path);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("AT_ALIGNMENT = 2\r\nAT_ANTIALIASING = 0\r\n"));
    EXPECT_NE(r.out.find("\r\nFONT_SIZE = 12\r\n"), std::string::npos);
    EXPECT_TRUE(
        r.out.ends_with("TABLE_GEN_CAPTIONS_END\r\n"
                        "COMMENT_HEADER_TEXT=<b>neu</b>\r\nCOMMENT_HEADER_TEXT=zwei\r\n"));
    // The values in effect: what the dialogs make of the stored defaults.
    EXPECT_NE(r.out.find("\r\nKT_NODE_HEIGHT = 50\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\nTABLE_COL_COUNT = 1\r\nTABLE_CAPTIONS\r\n\r\n\r\n\r\n"),
              std::string::npos);
}

TEST(CliConfig, WrongKeysValuesAndFilesAreReported)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string firstErrorLine;
    } cases[] = {
        {{"config", "--set", "FOO=1"}, 2, "quilvane-cli config: Unbekannte Einstellung: FOO"},
        {{"config", "--set", "FONT_SIZE=300"},
         2,
         "quilvane-cli config: Ungültiger Wert für FONT_SIZE: 300"},
        {{"config", "--set", "FONT_SIZE"}, 2, "quilvane-cli config: --set erwartet SCHLÜSSEL=WERT"},
        {{"config", "--config", "/nicht/da.ini"},
         1,
         "quilvane-cli: Datei /nicht/da.ini kann nicht geöffnet werden. No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.firstErrorLine);
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace qv
