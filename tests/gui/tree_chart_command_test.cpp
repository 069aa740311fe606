// The tree chart from the menu, and its preview window.
#include <set>

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include "data/file_bytes.h"
#include "gui/preview_window.h"
#include "gui/preview_worker.h"
#include "gui/progress_line.h"
#include "gui/tree_chart_dialog.h"
#include "main_window_fixture.h"
#include "test_support.h"

namespace qv {
namespace {

using TreeChartCommandTest = test::ExampleWindowTest;

TEST_F(TreeChartCommandTest, WritesThePictureAndCountsPersons)
{
    std::string path = AnswerSaveAs("tafel", 0);
    m_window->MakeTreeChart();
    EXPECT_EQ(m_dialogs->dialogsShown.back(), "Einstellungen - Grafik- Ostrelle/Ahnentafel");
    ASSERT_TRUE(std::filesystem::exists(path + ".png"));
    QImage picture(QString::fromStdString(path + ".png"));
    EXPECT_GT(picture.width(), 20);
    // Lena's 19 ancestors and herself, her two children.
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: 21\nBenötigte Zeit: "))
        << m_dialogs->shown.back().toStdString();
    EXPECT_TRUE(m_dialogs->shown.back().endsWith("Bild anzeigen?"));
    ASSERT_EQ(m_dialogs->offeredFilters.size(), 7u);
    EXPECT_EQ(m_dialogs->offeredFilters[4].caption, "Adobe PDF-Dateien (*.pdf)");
}

// The two interactive entries share their extensions with the plain ones; only the chosen
// entry tells them apart.
TEST_F(TreeChartCommandTest, InteractiveEntriesWriteTheScriptedChart)
{
    const struct {
        const char* name;
        int filter;
        const char* file;
        bool scripted;
    } cases[] = {{"plain", 2, "plain.svg", false},
                 {"scripted", 3, "scripted.svg", true},
                 {"page", 5, "page.html", false},
                 {"scripted-page", 6, "scripted-page.html", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        AnswerSaveAs(c.name, c.filter);
        m_window->MakeTreeChart();
        const std::string text = ReadFileBytes((m_dir / c.file).string());
        EXPECT_EQ(text.find("function ExpandCollapse(") != std::string::npos, c.scripted);
        EXPECT_EQ(text.find("id=\"node0S\"") != std::string::npos, c.scripted);
        EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: "));
    }
}

TEST_F(TreeChartCommandTest, SelectedPersonsTypeChecksTheSelectionAfterTheDialog)
{
    m_dialogs->editDialog = [](QDialog& dialog) {
        static_cast<TreeChartDialog&>(dialog).ChooseRadio("", 2);
    };
    m_window->MakeTreeChart();
    EXPECT_EQ(m_window->Settings().Tree.TreeType, 2);
    EXPECT_EQ(m_dialogs->shown.back(), "I: Keine Personen in der Liste zum Anzeigen!");
}

// A click on "Abbrechen" while the sorting passes run (thousands of trials, the progress line
// moving) ends the chart: no file, no message.
TEST_F(TreeChartCommandTest, AbbrechenStopsTheSortingPasses)
{
    QV_REQUIRE_TESTDATA();
    m_window->OpenDataFile(QString::fromStdString(test::TestDataFile("royal92.ged")));
    m_window->SetProband(m_window->Data()->FindPerson("I115"));
    m_window->Settings().Tree.Sorting = 2;
    const std::string path = AnswerSaveAs("sortiert", 0);
    ProgressLine& progress = m_window->Progress();
    const QProgressBar* bar = progress.findChild<QProgressBar*>();
    ASSERT_NE(bar, nullptr);
    std::set<int> shown;  // the bar's values while a crossing pass ran
    QElapsedTimer sinceClick;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (sinceClick.isValid() || !progress.Text().startsWith("Überschneidungen minimieren"))
            return;
        shown.insert(bar->value());
        // Clicked once the line has been seen moving.
        if (shown.size() < 2) return;
        QTest::mouseClick(progress.CancelButton(), Qt::LeftButton);
        sinceClick.start();
    });
    watcher.start(0);
    const size_t messages = m_dialogs->shown.size();
    m_window->MakeTreeChart();
    watcher.stop();
    ASSERT_TRUE(sinceClick.isValid()) << "the passes were never shown";
    RecordProperty("cancel_answered_ms", int(sinceClick.elapsed()));
    EXPECT_FALSE(std::filesystem::exists(path + ".png"));
    EXPECT_EQ(m_dialogs->shown.size(), messages);
    EXPECT_FALSE(progress.CancelButton()->isVisible());
}

TEST_F(TreeChartCommandTest, PreviewDrawsTheExampleFamilyOnItsThread)
{
    QSignalSpy shown(&m_window->Preview(), &PreviewWindow::PictureShown);
    m_window->Preview().RequestPicture(m_window->Settings());
    ASSERT_TRUE(shown.wait(60000));
    EXPECT_GT(m_window->Preview().Picture().width(), 20);
}

TEST(PreviewSettings, ExamplePersonsAndNoComments)
{
    TImageSettings settings;
    settings.Tree.CommentHeader = true;
    settings.KekuleOneIndex = 4;
    settings.SetSelected(7, true);
    AdjustForPreview(settings);
    EXPECT_FALSE(settings.Tree.CommentHeader);
    EXPECT_EQ(settings.ProbandIndex, 18);
    EXPECT_EQ(settings.KekuleOneIndex, -1);
    EXPECT_FALSE(settings.IsSelected(7));
    EXPECT_TRUE(settings.IsSelected(30) && settings.IsSelected(6) && settings.IsSelected(0));
}

}  // namespace
}  // namespace qv
