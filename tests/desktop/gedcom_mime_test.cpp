// File managers recognise GEDCOM files by our shared-mime-info definition, also by content.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <QMimeDatabase>

#include <gtest/gtest.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

// A MIME database holding only our definition, compiled as the package's trigger does.
class GedcomMimeTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = fs::temp_directory_path() / ("qv-mime-" + std::to_string(::getpid()));
        fs::create_directories(s_root / "mime" / "packages");
        fs::copy_file(QV_SOURCE_DIR "/resources/desktop/quilvane-gedcom.xml",
                      s_root / "mime" / "packages" / "quilvane-gedcom.xml");
        std::string update =
            "update-mime-database " + (s_root / "mime").string() + " >/dev/null 2>&1";
        s_compiled = std::system(update.c_str()) == 0;
        // Qt reads these once, at the first database use in the process.
        ::setenv("XDG_DATA_HOME", (s_root / "home").c_str(), 1);
        ::setenv("XDG_DATA_DIRS", s_root.c_str(), 1);
    }
    static void TearDownTestSuite() { fs::remove_all(s_root); }
    void SetUp() override
    {
        if (!s_compiled) GTEST_SKIP() << "update-mime-database (shared-mime-info) is missing";
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        fs::path path = s_root / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static inline fs::path s_root;
    static inline bool s_compiled = false;
};

std::string Utf16Le(const std::string& ascii)
{
    std::string out;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

std::string Utf16Be(const std::string& ascii)
{
    std::string out;
    for (char c : ascii) out += std::string{'\0', c};
    return out;
}

TEST_F(GedcomMimeTest, GedcomIsKnownByNameInAnyCaseAndByItsFirstLine)
{
    const std::string head = "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        bool gedcom;
    } cases[] = {
        // The name decides even where the content would not.
        {"familie.ged", "Stammbaum\n", true},
        {"FAMILIE.GED", "Stammbaum\n", true},
        {"Familie.Ged", "Stammbaum\n", true},
        // Saved without a name that tells: the content decides.
        {"export-ascii", head, true},
        {"export-bom", "\xEF\xBB\xBF" + head, true},
        {"export-utf16le-bom", "\xFF\xFE" + Utf16Le(head), true},
        {"export-utf16le", Utf16Le(head), true},
        {"export-utf16be-bom", "\xFE\xFF" + Utf16Be(head), true},
        {"export-utf16be", Utf16Be(head), true},
        {"notiz", "Hallo, 0 HEAD steht hier nicht vorn.\n", false},
    };
    QMimeDatabase database;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString path = QString::fromStdString(Write(c.name, c.bytes));
        EXPECT_EQ(database.mimeTypeForFile(path).name() == "application/x-gedcom", c.gedcom);
    }
}

}  // namespace
}  // namespace qv
