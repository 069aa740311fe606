// config.ini: line forms and key order, the damaged-line rules, round trips, file handling.
#include "app/config_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "app/config_location.h"
#include "app/settings_keys.h"
#include "data/error.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

Lines DefaultLines()
{
    TImageSettings defaults;
    return SettingsLines(defaults);
}

// Sets key to a value that differs from its default; numbers differ per key too.
void SetNonDefault(TImageSettings& settings, const SettingKey& key, int serial)
{
    std::string name = key.key;
    switch (key.type) {
        case SettingType::Boolean:
            ApplySetting(settings, name, std::get<bool*>(key.field(settings))[0] ? "0" : "1");
            break;
        case SettingType::Number:
            ApplySetting(settings, name, std::to_string(100 + serial));
            break;
        case SettingType::Integer:
            ApplySetting(settings, name, std::to_string(1000 + serial));
            break;
        case SettingType::TextList:
            ApplySetting(settings, name, "<NName>, <VName> " + name);
            ApplySetting(settings, name, "Zeile = zwei");
            break;
        case SettingType::Path:
            ApplySetting(settings, name, "/home/jürgen/" + name);
            break;
        case SettingType::PathList:
            ApplySetting(settings, name, "/daten/Müller Weiß.ged");
            ApplySetting(settings, name, "/daten/Ærø.txt");
            break;
        case SettingType::PersonColumns:
            ApplySetting(settings, name, "2");
            settings.TableColumns[0] = {"Name", "<NName>, <VName>", "aufsteigend 1"};
            settings.TableColumns[1] = {"Implex", "<gb(d)>", ""};
            break;
        case SettingType::GenerationColumns:
            ApplySetting(settings, name, "1");
            settings.GenTableColumns[0] = {"Generation", "<k>"};
            break;
    }
}

TEST(ConfigFile, DefaultsAreWrittenInKeyOrderWithTheirLineForms)
{
    Lines expected = {"AT_ALIGNMENT = 1",
                      "AT_ANTIALIASING = 0",
                      "AT_LABEL = 0",
                      "AT_LABEL_EXT = 0",
                      "AT_FOOTNOTE_THRESHOLD = 10",
                      "AT_BACKGROUND_COLORED = 0",
                      "AT_LABEL_GEN = 0",
                      "AT_SORTING = 0",
                      "AT_TREE_MAX_GEN = 99",
                      "AT_TREE_MAX_GEN_DESCENDANT = 99",
                      "AT_TREE_TYPE = 0",
                      "AT_TREE_TYPE_1_MIN = 0",
                      "AT_TREE_TYPE_0_KINDRED = 0",
                      "AT_COMMENT_HEADER = 0",
                      "AT_COMMENT_FOOTER = 0",
                      "AT_COMMENT_HEADLINE = 0",
                      "AT_LABELS_SURNAME_CAPS = 0",
                      "AT_LABELS_QUESTION_MARK = 0",
                      "DD_ALIGNMENT = 1",
                      "DD_ANTIALIASING = 0",
                      "DD_LABEL = 0",
                      "DD_TREE_MAX_GEN = 99",
                      "DD_TREE_MAX_GEN_DESCENDANT = 99",
                      "DD_TREE_TYPE = 0",
                      "DD_COMMENT_HEADER = 0",
                      "DD_COMMENT_FOOTER = 0",
                      "DD_COMMENT_HEADLINE = 0",
                      "DD_LABELS_SURNAME_CAPS = 0",
                      "DD_LABELS_QUESTION_MARK = 0",
                      "KT_ANTIALIASING = 0",
                      "KT_BACKGROUND_COLORED = 0",
                      "KT_TREE_MAX_GEN = 99",
                      "KT_COMMENT_HEADER = 0",
                      "KT_COMMENT_FOOTER = 0",
                      "KT_COMMENT_HEADLINE = 0",
                      "KT_HIGHLIGHT_DOUBLE = 0",
                      "KT_SHAPE = 0",
                      "KT_KEKULE = 0",
                      "KT_GENERATIONS = 0",
                      "KT_LABELS_SURNAME_CAPS = 0",
                      "KT_NODE_HEIGHT = 0",
                      "DG_VALUE = 0",
                      "NODE_RADIUS = 5",
                      "NODE_COLOR = 1",
                      "NODE_FILL = 1",
                      "NODE_WIDTH = 15",
                      "NODE_WIDTH_OPT = 0",
                      "NODE_HEIGHT = 15",
                      "NODE_HEIGHT_OPT = 0",
                      "FONT_SIZE = 10",
                      "FONT_ANTIALIASING = 1",
                      "FONT_STAY_ON_TOP = 0",
                      "FONT_HIGHLIGHT = 0",
                      "OPEN_DIRECTORY = ",
                      "SAVE_DIRECTORY = ",
                      "TABLE_COL_COUNT = 0",
                      "TABLE_CAPTIONS",
                      "TABLE_CAPTIONS_END",
                      "TABLE_GEN_COL_COUNT = 0",
                      "TABLE_GEN_CAPTIONS",
                      "TABLE_GEN_CAPTIONS_END"};
    EXPECT_EQ(DefaultLines(), expected);
}

TEST(ConfigFile, EveryKeyChangesOnlyItsOwnLines)
{
    const Lines defaults = DefaultLines();
    int serial = 0;
    for (const SettingKey& key : SettingKeys()) {
        SCOPED_TRACE(key.key);
        TImageSettings settings;
        SetNonDefault(settings, key, serial++);
        Lines lines = SettingsLines(settings);
        std::string prefix = key.key;
        Lines changed;
        for (const std::string& line : lines)
            if (std::find(defaults.begin(), defaults.end(), line) == defaults.end())
                changed.push_back(line);
        ASSERT_FALSE(changed.empty());
        if (key.type == SettingType::PersonColumns || key.type == SettingType::GenerationColumns)
            continue;
        for (const std::string& line : changed) EXPECT_TRUE(line.starts_with(prefix)) << line;
    }
}

TEST(ConfigFile, WritingAndReadingReproducesEveryStoredSetting)
{
    TImageSettings original;
    int serial = 0;
    for (const SettingKey& key : SettingKeys()) SetNonDefault(original, key, serial++);
    Lines written = SettingsLines(original);

    TImageSettings copy;
    ReadSettingsLines(copy, written);
    EXPECT_EQ(SettingsLines(copy), written);
    EXPECT_EQ(copy.MostRecentlyUsed, (TArrayOfString{"/daten/Müller Weiß.ged", "/daten/Ærø.txt"}));
    EXPECT_EQ(copy.TableColumns, original.TableColumns);
    EXPECT_EQ(copy.CommentHeadlineText,
              (TArrayOfString{"<NName>, <VName> COMMENT_HEADLINE_TEXT", "Zeile = zwei"}));

    // Empty lists write no lines and read back empty.
    TImageSettings empty;
    ReadSettingsLines(empty, SettingsLines(TImageSettings()));
    EXPECT_EQ(SettingsLines(empty), DefaultLines());
    EXPECT_TRUE(empty.Tree.LabelCustomText.empty());
}

TEST(ConfigFile, KeysReachTheSettingsTheyName)
{
    TImageSettings s;
    ReadSettingsLines(
        s, {"AT_ALIGNMENT = 3", "DD_ALIGNMENT = 2", "AT_TREE_MAX_GEN = 7", "DD_TREE_MAX_GEN = 8",
            "KT_TREE_MAX_GEN = 9", "NODE_WIDTH = 21", "NODE_HEIGHT = 22", "KT_NODE_HEIGHT = 300",
            "NODE_RADIUS = 12", "OPEN_DIRECTORY = /a", "SAVE_DIRECTORY = /b",
            "COMMENT_HEADER_TEXT=h", "COMMENT_FOOTER_TEXT=f", "COMMENT_HEADLINE_TEXT=d",
            "AT_LABEL_CUSTOM_TEXT_EXT=e", "DG_VALUE = 4"});
    EXPECT_EQ(s.Tree.Alignment, 3);
    EXPECT_EQ(s.Triangle.Alignment, 2);
    EXPECT_EQ(s.Tree.TreeMaxGen, 7);
    EXPECT_EQ(s.Triangle.TreeMaxGen, 8);
    EXPECT_EQ(s.Circle.TreeMaxGen, 9);
    EXPECT_EQ(s.NodeWidth, 21u);
    EXPECT_EQ(s.NodeHeight, 22u);
    EXPECT_EQ(s.Circle.NodeHeight, 300u);
    EXPECT_EQ(s.Symbol.Radius, 12);
    EXPECT_EQ(s.OpenDirectory, "/a");
    EXPECT_EQ(s.SaveDirectory, "/b");
    EXPECT_EQ(s.CommentHeaderText, TArrayOfString{"h"});
    EXPECT_EQ(s.CommentFooterText, TArrayOfString{"f"});
    EXPECT_EQ(s.CommentHeadlineText, TArrayOfString{"d"});
    EXPECT_EQ(s.Tree.LabelCustomTextExt, TArrayOfString{"e"});
    EXPECT_EQ(s.FrequencyValue, 4);
}

TEST(ConfigFile, ValuesAreTrimmedAndOnlyOneIsTrue)
{
    TImageSettings s;
    ReadSettingsLines(s, {"AT_LABEL_CUSTOM_TEXT=  <VName>  ", "  AT_ANTIALIASING = true",
                          "DD_ANTIALIASING=1", "COMMENT_HEADER_TEXT=<a href=\"x.html\">",
                          "AT_LABEL_CUSTOM_TEXT=<NName>", "NODE_WIDTH = +40"});
    EXPECT_EQ(s.Tree.LabelCustomText, (TArrayOfString{"<VName>", "<NName>"}));
    EXPECT_FALSE(s.Tree.Antialiasing);
    EXPECT_TRUE(s.Triangle.Antialiasing);
    EXPECT_EQ(s.CommentHeaderText, TArrayOfString{"<a href=\"x.html\">"});
    EXPECT_EQ(s.NodeWidth, 40u);
}

TEST(ConfigFile, DamagedLineStopsReadingThere)
{
    struct Case {
        const char* name;
        Lines lines;
        Lines expectedChanges;  // lines that differ from the defaults afterwards
    } cases[] = {
        {"bad number first", {"AT_ALIGNMENT = x", "AT_LABEL = 2"}, {}},
        {"byte out of range",
         {"AT_LABEL = 2", "FONT_SIZE = 256", "AT_SORTING = 1"},
         {"AT_LABEL = 2"}},
        {"negative byte", {"FONT_SIZE = -1", "AT_LABEL = 2"}, {}},
        {"negative distance",
         {"AT_LABEL = 2", "NODE_WIDTH = -1", "NODE_HEIGHT = 3"},
         {"AT_LABEL = 2"}},
        {"negative threshold is valid",
         {"AT_FOOTNOTE_THRESHOLD = -5"},
         {"AT_FOOTNOTE_THRESHOLD = -5"}},
        {"integer overflow", {"DG_VALUE = 2147483648", "AT_LABEL = 2"}, {}},
        {"sign without digits", {"DG_VALUE = +", "AT_LABEL = 2"}, {}},
        {"block before its count", {"TABLE_CAPTIONS", "Name", "AT_LABEL = 2"}, {}},
        {"absurd column count", {"TABLE_COL_COUNT = 2000000000", "AT_LABEL = 2"}, {}},
        {"negative column count", {"TABLE_GEN_COL_COUNT = -1", "AT_LABEL = 2"}, {}},
        {"unknown keys and plain lines are skipped",
         {"FOO = bar", "irgendein Text", "AT_LABEL = 2", "AT_LABEL = 3"},
         {"AT_LABEL = 3"}},
        {"person block with one line too many",
         {"TABLE_COL_COUNT = 1", "TABLE_CAPTIONS", "Name", "<NName>", "aufsteigend 1", "zu viel",
          "TABLE_CAPTIONS_END", "COMMENT_HEADER_TEXT=Kopf"},
         {"TABLE_COL_COUNT = 1", "Name", "<NName>", "aufsteigend 1"}},
        {"generation block with one line too many",
         {"TABLE_GEN_COL_COUNT = 1", "TABLE_GEN_CAPTIONS", "G", "<k>", "x", "AT_LABEL = 2"},
         {"TABLE_GEN_COL_COUNT = 1", "G", "<k>"}},
    };
    const Lines defaults = DefaultLines();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TImageSettings s;
        ReadSettingsLines(s, c.lines);
        Lines changes;
        for (const std::string& line : SettingsLines(s))
            if (std::find(defaults.begin(), defaults.end(), line) == defaults.end())
                changes.push_back(line);
        EXPECT_EQ(changes, c.expectedChanges);
    }
}

TEST(ConfigFile, BlockLinesAreTakenUntrimmedAndListsStartEmpty)
{
    TImageSettings s;
    s.CommentFooterText = {"alt"};
    s.Tree.LabelCustomTextExt = {"alt"};
    ReadSettingsLines(
        s, {"TABLE_COL_COUNT = 2", "TABLE_CAPTIONS", " Name ", "<NName>", "", "Zahl", "<gb>",
            "absteigend 1", "  TABLE_CAPTIONS_END  ", "COMMENT_FOOTER_TEXT=neu"});
    ASSERT_EQ(s.TableColumns.size(), 2u);
    EXPECT_EQ(s.TableColumns[0], (PersonTableColumn{" Name ", "<NName>", ""}));
    EXPECT_EQ(s.TableColumns[1], (PersonTableColumn{"Zahl", "<gb>", "absteigend 1"}));
    EXPECT_EQ(s.CommentFooterText, TArrayOfString{"neu"});
    EXPECT_TRUE(s.Tree.LabelCustomTextExt.empty());
}

std::filesystem::path TempDirectory(const std::string& name)
{
    auto dir = std::filesystem::temp_directory_path() /
               ("qv-config-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(ConfigFile, FileIsWrittenWithCrLfAndReadWithAnyLineEnd)
{
    auto dir = TempDirectory("file");
    TImageSettings s;
    s.Tree.LabelCustomText = {"<NName>"};
    WriteSettingsFile(s, (dir / "config.ini").string());
    std::ifstream in(dir / "config.ini", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(bytes.starts_with("AT_LABEL_CUSTOM_TEXT=<NName>\r\nAT_ALIGNMENT = 1\r\n"));
    EXPECT_TRUE(bytes.ends_with("TABLE_GEN_CAPTIONS_END\r\n"));

    std::ofstream(dir / "lf.ini", std::ios::binary) << "\xEF\xBB\xBF"
                                                       "AT_LABEL = 2\nKT_SHAPE = 1";
    TImageSettings fromLf;
    ReadSettingsFile(fromLf, (dir / "lf.ini").string());
    EXPECT_EQ(fromLf.Tree.Label, 2);
    EXPECT_EQ(fromLf.Circle.Shape, 1);

    std::string missing = (dir / "fehlt.ini").string();
    try {
        ReadSettingsFile(fromLf, missing);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Datei " + missing + " kann nicht geöffnet werden. No such file or directory");
    }
    std::filesystem::remove_all(dir);
}

TEST(ConfigLocation, BesideTheProgramOrPerUser)
{
    auto dir = TempDirectory("location");
    EXPECT_EQ(ConfigFilePath(dir.string()), (dir / "config.ini").string());

    std::string unwritable = (dir / "fehlt").string();
    ::setenv("XDG_CONFIG_HOME", (dir / "xdg").c_str(), 1);
    std::string perUser = (dir / "xdg" / "quilvane" / "config.ini").string();
    EXPECT_EQ(ConfigFilePath(unwritable), perUser);

    TImageSettings s;
    s.Tree.Alignment = 3;
    EXPECT_TRUE(SaveConfigIni(s, unwritable));
    EXPECT_TRUE(std::filesystem::exists(perUser));
    TImageSettings loaded;
    LoadConfigIni(loaded, unwritable);
    EXPECT_EQ(loaded.Tree.Alignment, 3);

    const char* home = std::getenv("HOME");
    std::string savedHome = home ? home : "";
    ::setenv("XDG_CONFIG_HOME", "relativ", 1);
    ::setenv("HOME", dir.c_str(), 1);
    EXPECT_EQ(ConfigFilePath(unwritable), (dir / ".config" / "quilvane" / "config.ini").string());
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", savedHome.c_str(), 1);
    std::filesystem::remove_all(dir);
}

TEST(ConfigLocation, InstalledProgramKeepsItsSettingsPerUserEvenWhereItsFolderIsWritable)
{
    auto dir = TempDirectory("installed");
    std::filesystem::create_directories(dir / "usr" / "bin");
    std::filesystem::create_directories(dir / "usr" / "share" / "quilvane");
    std::string bin = (dir / "usr" / "bin").string();
    ASSERT_EQ(::access(bin.c_str(), W_OK), 0) << "the case of root, who may write to /usr/bin";
    ::setenv("XDG_CONFIG_HOME", (dir / "xdg").c_str(), 1);
    std::string perUser = (dir / "xdg" / "quilvane" / "config.ini").string();
    EXPECT_EQ(ConfigFilePath(bin), perUser);

    EXPECT_TRUE(SaveConfigIni(TImageSettings(), bin));
    EXPECT_TRUE(std::filesystem::exists(perUser));
    EXPECT_FALSE(std::filesystem::exists(dir / "usr" / "bin" / "config.ini"));
    ::unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
