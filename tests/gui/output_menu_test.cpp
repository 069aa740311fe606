// The output commands of the "Ausgabe" menu, end to end with scripted answers.
#include <algorithm>

#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "gui/table_settings_dialog.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

class OutputMenuTest : public test::ExampleWindowTest {
protected:
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(OutputMenuTest, PersonTableUsesTheDialogsColumnsAndTheSelection)
{
    m_window->MakePersonTable();
    EXPECT_EQ(m_dialogs->shown.back(), "I: Keine Personen in der Liste zum Anzeigen!");
    EXPECT_TRUE(m_dialogs->dialogsShown.empty()) << "the selection is checked before the dialog";

    m_window->AddToSelection(RelationshipQuery::Ancestors, {18});
    m_dialogs->editDialog = [](QDialog& dialog) {
        auto& table = static_cast<TableSettingsDialog&>(dialog);
        table.ColumnCount().setValue(2);
        table.Grid().item(0, 1)->setText("Name");
        table.Grid().item(0, 2)->setText("<NName>");
        table.Grid().setCurrentCell(1, 2);
        table.AppendPlaceholder("<Kekule-Min>");
        table.Grid().item(1, 1)->setText("Nr");
        table.ClickSortMark(1);
    };
    std::string path = AnswerSaveAs("personen", 2);
    m_window->MakePersonTable();
    EXPECT_EQ(m_dialogs->dialogsShown.back(), "Einstellungen - Tabelle - Personen");
    ASSERT_EQ(m_window->Settings().TableColumns.size(), 2u);
    EXPECT_EQ(m_window->Settings().TableColumns[1].SortSpec, "aufsteigend 1");
    std::string html = Read(path + ".html");
    EXPECT_NE(html.find("Name"), std::string::npos);
    EXPECT_NE(html.find("Schäfer"), std::string::npos);
    // Sorted by the smallest Kekule number: the proband (1) before her father (2).
    EXPECT_LT(html.find("<td>1</td>"), html.find("<td>2</td>"));
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: 19\nBenötigte Zeit: "));
}

TEST_F(OutputMenuTest, GenerationTableAndCancelledDialog)
{
    m_dialogs->acceptDialogs = false;
    m_dialogs->editDialog = [](QDialog& dialog) {
        static_cast<TableSettingsDialog&>(dialog).Grid().item(0, 2)->setText("<k>");
    };
    m_window->MakeGenerationTable();
    EXPECT_TRUE(m_dialogs->offeredFilters.empty()) << "\"Abbrechen\" ends before the save dialog";
    EXPECT_EQ(m_window->Settings().GenTableColumns[0].Template, "<k>")
        << "changes made in the dialog stay";

    m_dialogs->acceptDialogs = true;
    m_dialogs->editDialog = nullptr;
    std::string path = AnswerSaveAs("generationen.docx", 1);
    m_window->MakeGenerationTable();
    EXPECT_EQ(Read(path).substr(0, 2), "PK") << "a zip container";
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Benötigte Zeit: "));
}

// A line of fathers, each the son of the next, longer than Kekule numbers reach.
std::string FatherLine(int generations)
{
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i <= generations; ++i) {
        std::string n = std::to_string(i);
        text += "0 @I" + n + "@ INDI\n1 NAME Hans /Stamm" + n + "/\n1 SEX M\n";
        if (i < generations) text += "1 FAMC @F" + n + "@\n";
    }
    for (int i = 0; i < generations; ++i) {
        std::string n = std::to_string(i), father = std::to_string(i + 1);
        text += "0 @F" + n + "@ FAM\n1 HUSB @I" + father + "@\n1 CHIL @I" + n + "@\n";
    }
    return text + "0 TRLR\n";
}

TEST_F(OutputMenuTest, DepthNoticeComesAfterTheOutputIsDone)
{
    m_window->OpenDataFile(Write("stamm.ged", FatherLine(66)));
    m_window->SetProband(0);
    m_dialogs->shown.clear();
    AnswerSaveAs("stamm.html", 2);
    m_window->MakeGenerationTable();
    ASSERT_EQ(m_dialogs->shown.size(), 2u);
    EXPECT_TRUE(m_dialogs->shown[0].startsWith("F: Benötigte Zeit: "));
    EXPECT_EQ(m_dialogs->shown[1],
              "W: Ahnenlinien jenseits der 62. Generation werden nicht berücksichtigt.");

    AnswerSaveAs("stamm2.html", 2);
    m_window->MakeGenerationTable();
    EXPECT_EQ(m_dialogs->shown.size(), 3u) << "the notice comes once per opened file";
}

TEST_F(OutputMenuTest, SiblingListIsWrittenAndOpensAsData)
{
    std::string path = AnswerSaveAs("geschwister", 0);
    m_window->MakeSiblingList();
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Geschwisterpaare: "));
    EXPECT_NE(m_dialogs->shown.back().indexOf("\nPersonen: "), -1);

    m_window->OpenDataFile(QString::fromStdString(path + ".txt"));
    ASSERT_NE(m_window->Data(), nullptr);
    EXPECT_EQ(m_window->Selection().ProbandIndex, 0);
    EXPECT_EQ(m_window->Selection().KekuleOneIndex, 0);
}

TEST_F(OutputMenuTest, SiblingListOfADeepAncestryShowsTheDepthNotice)
{
    // I0 to I64, each the father of the one before.
    std::string deep = "0 HEAD\n";
    for (int g = 0; g <= 64; ++g)
        deep += "0 @I" + std::to_string(g) + "@ INDI\n1 FAMC @F" + std::to_string(g) + "@\n";
    for (int g = 0; g < 64; ++g)
        deep += "0 @F" + std::to_string(g) + "@ FAM\n1 HUSB @I" + std::to_string(g + 1) + "@\n";
    m_window->OpenDataFile(Write("tief.ged", deep));
    m_window->SetProband(0);
    AnswerSaveAs("tief", 0);
    m_window->MakeSiblingList();
    const std::vector<QString>& shown = m_dialogs->shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(),
                         "W: Ahnenlinien jenseits der 62. Generation werden nicht berücksichtigt."),
              1);
    EXPECT_EQ(
        std::count_if(shown.begin(), shown.end(),
                      [](const QString& s) { return s.startsWith("F: Geschwisterpaare: 0"); }),
        1);
}

}  // namespace
}  // namespace qv
