// Every output command through Qt's real save dialog: the file type picked there decides
// the name and the format written.
#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "main_window_fixture.h"
#include "real_save_dialog.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// The format a file's bytes show, as a reader would tell it.
std::string FormatOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.starts_with("\x89PNG")) return "png";
    if (bytes.starts_with("BM")) return "bmp";
    if (bytes.starts_with("%PDF-")) return "pdf";
    if (bytes.starts_with("PK")) {
        if (bytes.find("word/document.xml") != std::string::npos) return "docx";
        if (bytes.find("xl/workbook.xml") != std::string::npos) return "xlsx";
        return "zip";
    }
    // The interactive tree chart is the only output that starts its display script.
    const std::string scripted = bytes.find("UpdateTree(wurzel);") != std::string::npos ? "+script" : "";
    if (bytes.starts_with("<?xml") && bytes.find("<svg") != std::string::npos) return "svg" + scripted;
    if (bytes.starts_with("<!DOCTYPE HTML>") || bytes.starts_with("<html>")) return "html" + scripted;
    return "txt";
}

class SaveDialogTest : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        auto dialogs = std::make_unique<test::RealSaveDialogs>();
        m_real = dialogs.get();
        m_dialogs = dialogs.get();
        m_window->SetDialogs(std::move(dialogs));
        m_window->OpenDataFile(m_example);
        m_window->SetProband(18);
        m_window->AddToSelection(RelationshipQuery::Ancestors, {18});
    }

    test::RealSaveDialogs* m_real = nullptr;
};

struct Save {
    int filter;
    const char* typed;
    const char* written;
    const char* format;
};

struct Command {
    const char* name;
    std::function<void(MainWindow&)> run;
    std::vector<Save> saves;
};

TEST_F(SaveDialogTest, TheChosenFileTypeDecidesNameAndFormatOfEveryOutput)
{
    const Command commands[] = {
        {"tree chart",
         &MainWindow::MakeTreeChart,
         {{0, "a-tafel.png", "a-tafel.png", "png"},
          {1, "b-tafel.bmp", "b-tafel.bmp", "bmp"},
          {2, "c-tafel.svg", "c-tafel.svg", "svg"},
          {3, "c-skript", "c-skript.svg", "svg+script"},
          {4, "d-tafel", "d-tafel.pdf", "pdf"},
          {5, "e-tafel.htm", "e-tafel.htm", "html"},
          {6, "e-skript.html", "e-skript.html", "html+script"}}},
        {"sibling list",
         &MainWindow::MakeSiblingList,
         {{0, "f-liste", "f-liste.txt", "txt"},
          {1, "g-liste.xlsx", "g-liste.xlsx", "xlsx"},
          {2, "h-liste.docx", "h-liste.docx", "docx"},
          {3, "i-liste.html", "i-liste.html", "html"}}},
        {"person table",
         &MainWindow::MakePersonTable,
         {{0, "j-personen.xlsx", "j-personen.xlsx", "xlsx"},
          {1, "k-personen.docx", "k-personen.docx", "docx"},
          {2, "l-personen.txt", "l-personen.html", "html"}}},
        {"generation table",
         &MainWindow::MakeGenerationTable,
         {{0, "m-generationen.xlsx", "m-generationen.xlsx", "xlsx"},
          {1, "n-generationen", "n-generationen.docx", "docx"},
          {2, "o-generationen.html", "o-generationen.html", "html"}}},
    };
    for (const Command& command : commands) {
        for (const Save& save : command.saves) {
            SCOPED_TRACE(std::string(command.name) + ": " + save.typed);
            m_real->typing = {{save.filter, save.typed}};
            command.run(*m_window);
            ASSERT_TRUE(m_real->typing.empty()) << "the dialog was not shown";
            ASSERT_FALSE(m_dialogs->shown.empty());
            EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: "))
                << m_dialogs->shown.back().toStdString();
            ASSERT_TRUE(fs::exists(m_dir / save.written));
            EXPECT_EQ(FormatOf(m_dir / save.written), save.format);
            EXPECT_EQ(m_real->seen.back().filter,
                      QString::fromStdString(m_dialogs->offeredFilters[0].caption))
                << "each showing starts with the first entry";
        }
    }
}

TEST_F(SaveDialogTest, StartsInTheDataFolderAndKeepsTheNameAfterNo)
{
    m_real->typing = {{2, "tafel.svg"}};
    m_window->MakeTreeChart();
    ASSERT_EQ(m_real->seen.size(), 1u);
    EXPECT_EQ(m_real->seen[0].directory, QString::fromStdString(m_dir.string()))
        << "the first dialog opens where the data file is";
    EXPECT_EQ(m_real->seen[0].name, "Unbenannt");

    // "Nein" to replacing shows the dialog again with the name and type the user chose.
    m_real->typing = {{2, "tafel"}, {}};
    m_dialogs->yesNo = {false};
    m_window->MakeTreeChart();
    ASSERT_EQ(m_real->seen.size(), 3u);
    EXPECT_EQ(m_real->seen[2].name, "tafel.svg");
    EXPECT_EQ(m_real->seen[2].filter, "Scalable Vector Graphics (*.svg)");
    EXPECT_EQ(m_real->seen[2].directory, QString::fromStdString(m_dir.string()));
}

}  // namespace
}  // namespace qv
