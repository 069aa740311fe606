// Context help in the running program: the "?" marker dropped on controls, the help menu,
// and every settings dialog control with a topic.
#include "gui/context_help.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "gui/help_window.h"
#include "gui/mini_ahnentafel.h"
#include "gui/progress_line.h"
#include "gui/reference_panel.h"
#include "gui/selection_page.h"
#include "gui/table_settings_dialog.h"
#include "gui/tree_chart_dialog.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

using test::MainWindowTest;
namespace fs = std::filesystem;

class ContextHelpTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fs::copy(fs::path(QV_SOURCE_DIR) / "help", m_dir / "hilfe", fs::copy_options::recursive);
    }
    // Drags data over the middle of the control and drops it there, sent to the control's
    // window as the window system does (Qt picks the widget that takes it); whether the drag
    // (and the drop) was accepted.
    static bool Drag(QWidget* control, const QMimeData& data, bool drop = true)
    {
        QWidget* window = control->window();
        QPoint at = control->mapTo(window, control->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window->windowHandle(), &enter);
        if (!enter.isAccepted() || !drop) return enter.isAccepted();
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window->windowHandle(), &dropped);
        return dropped.isAccepted();
    }
    static bool DropMarker(QWidget* control, bool drop = true)
    {
        QMimeData marker;
        marker.setData(kHelpMarkerMime, "?");
        return Drag(control, marker, drop);
    }
    // The page (relative to the help folder) and anchor the help window shows.
    std::string Shown()
    {
        QUrl url = m_window->Help().Window().Shown();
        QString page = QDir(QString::fromStdString((m_dir / "hilfe").string()))
                           .relativeFilePath(url.toLocalFile());
        return (page + (url.hasFragment() ? "#" + url.fragment() : QString())).toStdString();
    }
    QAction* HelpMenuEntry(const QString& caption)
    {
        for (QAction* menu : m_window->menuBar()->actions())
            if (menu->text() == "Hilfe")
                for (QAction* entry : menu->menu()->actions())
                    if (entry->text() == caption) return entry;
        return nullptr;
    }
};

TEST_F(ContextHelpTest, MarkerDroppedOnAControlOpensItsTopic)
{
    m_window->OpenDataFile(m_example);
    struct Case {
        QWidget* control;
        int rightPage;
        const char* shown;
    } cases[] = {
        {m_window->Grid().viewport(), 0, "oberflaeche.html#Personenliste"},
        {&m_window->MiniAncestors(), 0, "oberflaeche.html#Miniahnentafel"},
        {&m_window->References(), 0, "oberflaeche.html#ProbandKekuleNr1"},
        {&m_window->Progress(), 0, "oberflaeche.html#Fortschrittsbalken"},
        {m_window->SelectedList().viewport(), 1, "oberflaeche.html#Personen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        m_window->RightPages().setCurrentIndex(c.rightPage);
        EXPECT_TRUE(DropMarker(c.control));
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(m_window->Help().Window().isVisible());
    }
    // The menu bar has no topic: the marker is refused there. A family file dragged over a
    // control with a topic still goes to the window, which opens it.
    EXPECT_FALSE(DropMarker(m_window->menuBar(), false));
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(m_example)});
    EXPECT_TRUE(Drag(m_window->Grid().viewport(), file, false));
}

TEST_F(ContextHelpTest, HelpMenuOpensContentsQuickstartAndTips)
{
    struct Case {
        const char* entry;
        const char* shown;
    } cases[] = {{"Inhalt", "inhalt.html"},
                 {"Quickstart", "Einführung/Quickstart.htm"},
                 {"Tipps und Tricks", "Anhang/Tipps und Tricks.htm"}};
    for (const Case& c : cases) {
        QAction* entry = HelpMenuEntry(c.entry);
        ASSERT_NE(entry, nullptr) << c.entry;
        entry->trigger();
        EXPECT_EQ(Shown(), c.shown);
    }
    QTextBrowser& browser = m_window->Help().Window().Browser();
    EXPECT_FALSE(browser.toPlainText().isEmpty());
    browser.backward();
    EXPECT_EQ(Shown(), "Einführung/Quickstart.htm");
}

TEST_F(ContextHelpTest, MissingHelpFolderIsReportedInTheWindow)
{
    fs::remove_all(m_dir / "hilfe");
    HelpMenuEntry("Inhalt")->trigger();
    EXPECT_TRUE(
        m_window->Help().Window().Browser().toPlainText().contains("Hilfeseite nicht gefunden"));
}

TEST_F(ContextHelpTest, EverySettingsDialogControlOfTheTableHasItsTopic)
{
    TImageSettings settings;
    struct Case {
        std::unique_ptr<QDialog> dialog;
        HelpDialog kind;
    };
    std::vector<Case> cases;
    cases.push_back(
        {std::make_unique<TreeChartDialog>(settings, *m_dialogs), HelpDialog::TreeChart});
    cases.push_back(
        {std::make_unique<TableSettingsDialog>(TableSettingsDialog::Kind::Persons, settings),
         HelpDialog::PersonTable});
    cases.push_back(
        {std::make_unique<TableSettingsDialog>(TableSettingsDialog::Kind::Generations, settings),
         HelpDialog::GenerationTable});
    for (Case& c : cases) {
        SCOPED_TRACE(c.dialog->windowTitle().toStdString());
        EXPECT_EQ(BindDialogHelp(m_window->Help(), *c.dialog, c.kind), std::vector<std::string>{});
        EXPECT_NE(c.dialog->findChild<HelpMarkerButton*>(), nullptr);
    }
    // A control inside a group shares the group's topic.
    auto& tree = static_cast<TreeChartDialog&>(*cases[0].dialog);
    EXPECT_EQ(ContextHelp::TopicFor(tree.Check("Seitenverwandte")),
              "::/Ausgabe/grafik_ahnentafel.html#Baum");
    EXPECT_EQ(ContextHelp::TopicFor(cases[1].dialog->findChild<QListWidget*>()),
              "::/Ausgabe/tabelle_personen.html#Platzhalterliste");
}

}  // namespace
}  // namespace qv
