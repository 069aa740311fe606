// The output-command sequence with scripted answers.
#include "gui/output_command.h"

#include <gtest/gtest.h>

#include "gui/progress_line.h"
#include "main_window_fixture.h"
#include "data/error.h"
#include <QMenuBar>
#include <QPushButton>

namespace qv {
namespace {

class OutputCommandTest : public test::MainWindowTest {
protected:
    OutputCommand Command()
    {
        OutputCommand command;
        command.formats = kTreeChartFormats;
        command.work = [this](const std::string& path, int filterIndex, const ProgressCallback&) {
            written.push_back(path);
            filterIndexes.push_back(filterIndex);
            std::ofstream(path) << "x";
            return true;
        };
        command.countLines = [] { return QStringList{"Personen: 7"}; };
        command.question = "Bild anzeigen?";
        return command;
    }
    SaveChoice Choice(const std::string& name, int filter)
    {
        return {QString::fromStdString((m_dir / name).string()), filter};
    }

    std::vector<std::string> written;
    std::vector<int> filterIndexes;
};

TEST_F(OutputCommandTest, ChecksComeBeforeAnyWork)
{
    m_window->OpenDataFile(m_example);
    RunOutputCommand(*m_window, Command());
    EXPECT_EQ(m_dialogs->shown.back(), "I: Kein Proband gewählt!");

    m_window->SetProband(18);
    OutputCommand command = Command();
    bool dialogShown = false;
    command.settingsDialog = [&] { return dialogShown = true; };
    command.needsSelection = [] { return true; };
    RunOutputCommand(*m_window, command);
    EXPECT_TRUE(dialogShown) << "the tree chart checks its selection after its dialog";
    EXPECT_EQ(m_dialogs->shown.back(), "I: Keine Personen in der Liste zum Anzeigen!");

    dialogShown = false;
    command.selectionBeforeDialog = true;
    RunOutputCommand(*m_window, command);
    EXPECT_FALSE(dialogShown) << "the person table checks before its dialog";

    command.needsSelection = [] { return false; };
    command.settingsDialog = [] { return false; };
    RunOutputCommand(*m_window, command);
    EXPECT_TRUE(written.empty()) << "\"Abbrechen\" in the settings dialog ends the command";
}

TEST_F(OutputCommandTest, SaveDialogAppliesExtensionRuleAndAsksBeforeReplacing)
{
    m_window->OpenDataFile(m_example);
    m_window->SetProband(18);
    m_dialogs->saveChoices = {Choice("tafel.PNG", 0)};
    m_dialogs->openFile = true;
    RunOutputCommand(*m_window, Command());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0], (m_dir / "tafel.png").string());
    EXPECT_EQ(m_dialogs->offeredFilters[0].caption, "Portable Network Graphics (*.png)");
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: 7\nBenötigte Zeit: "));
    EXPECT_TRUE(m_dialogs->shown.back().endsWith("s\n\nBild anzeigen?"));
    EXPECT_EQ(m_dialogs->opened.size(), 1u);

    // The file exists now: "No" shows the dialog again, where an SVG name is chosen.
    m_dialogs->saveChoices = {Choice("tafel", 0), Choice("tafel", 3)};
    m_dialogs->yesNo = {false};
    RunOutputCommand(*m_window, Command());
    EXPECT_TRUE(std::find(m_dialogs->shown.begin(), m_dialogs->shown.end(),
                          "Q: Datei ersetzen: tafel.png ist bereits vorhanden.\n"
                          "Möchten Sie sie ersetzen?") != m_dialogs->shown.end());
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1], (m_dir / "tafel.svg").string());
    EXPECT_EQ(filterIndexes[1], 3) << "the interactive SVG entry is told apart by its index";
    ASSERT_EQ(m_dialogs->starts.size(), 3u);
    EXPECT_EQ(m_dialogs->starts[0].directory, QString::fromStdString(m_dir.string()))
        << "the first save dialog opens in the data file's folder";
    EXPECT_EQ(m_dialogs->starts[0].fileName, "Unbenannt");
    EXPECT_EQ(m_dialogs->starts[2].fileName, "tafel.png") << "\"Nein\" keeps the name";
    EXPECT_EQ(m_dialogs->starts[2].filterIndex, 0);
}

TEST_F(OutputCommandTest, CancelThroughTheProgressCallbackEndsWithoutMessage)
{
    m_window->OpenDataFile(m_example);
    m_window->SetProband(18);
    OutputCommand command = Command();
    command.work = [this](const std::string&, int, const ProgressCallback& progress) {
        EXPECT_TRUE(m_window->Progress().CancelButton()->isVisible());
        m_window->Progress().CancelRequested = true;
        return !progress("Berechne <gb>", 1, 2);
    };
    m_dialogs->saveChoices = {Choice("a", 1)};
    size_t before = m_dialogs->shown.size();
    RunOutputCommand(*m_window, command);
    EXPECT_EQ(m_dialogs->shown.size(), before);
    EXPECT_FALSE(m_window->Progress().CancelButton()->isVisible());

    // The next command runs normally: the flag is cleared at its start.
    m_dialogs->saveChoices = {Choice("b", 1)};
    RunOutputCommand(*m_window, Command());
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: "));
}

TEST_F(OutputCommandTest, ErrorsOfTheWorkAreShownAndTheWindowStaysUsable)
{
    m_window->OpenDataFile(m_example);
    m_window->SetProband(18);
    OutputCommand command = Command();
    command.work = [](const std::string&, int, const ProgressCallback&) -> bool {
        throw Error("Fehler beim erstellen des Bildes.");
    };
    m_dialogs->saveChoices = {Choice("c", 1)};
    RunOutputCommand(*m_window, command);
    EXPECT_EQ(m_dialogs->shown.back(), "E: Fehler beim erstellen des Bildes.");
    EXPECT_TRUE(m_window->menuBar()->isEnabled());
}

}  // namespace
}  // namespace qv
