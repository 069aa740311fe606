// The main window driven as a user would: open, filter, sort, choose persons, select.
#include "gui/main_window.h"

#include <filesystem>
#include <fstream>

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "gui/person_grid.h"
#include "gui/progress_line.h"
#include "gui/reference_panel.h"
#include "gui/selection_page.h"
#include "main_window_fixture.h"
#include "qt_printers.h"

namespace qv {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, OpeningAFileFillsGridTitleAndRecentMenu)
{
    m_window->OpenDataFile(m_example);
    ASSERT_NE(m_window->Data(), nullptr);
    EXPECT_EQ(ListCaption(), "Personenliste (34)");
    EXPECT_EQ(m_window->windowTitle(), "Quilvane - " + m_example);
    EXPECT_EQ(m_window->RecentFiles().size(), 1u);
    QStringList captions;
    for (QAction* action : m_window->RecentMenu().actions()) captions << action->text();
    EXPECT_EQ(captions.last(), m_example);
    EXPECT_EQ(m_window->Grid().currentIndex().row(), 0) << "the first row is selected";
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(MainWindowTest, MissingPathIsReportedAndBadFileLeavesNoData)
{
    m_window->OpenDataFile(m_example);
    m_window->SetProband(18);
    // A stale recent entry: reported, and the loaded file stays with its proband.
    for (const std::filesystem::path& gone : {m_dir / "gone.ged", m_dir}) {
        SCOPED_TRACE(gone.string());
        m_window->OpenDataFile(QString::fromStdString(gone.string()));
        EXPECT_EQ(m_window->Selection().ProbandIndex, 18);
        EXPECT_NE(m_window->Data(), nullptr);
        EXPECT_EQ(m_window->windowTitle(), "Quilvane - " + m_example);
        ASSERT_FALSE(m_dialogs->shown.empty());
        EXPECT_TRUE(m_dialogs->shown.back().startsWith(
            QString::fromStdString("E: Datei " + gone.string() + " kann nicht geöffnet werden. ")))
            << m_dialogs->shown.back().toStdString();
    }
    m_dialogs->shown.clear();

    m_window->OpenDataFile(Write("bad.ged", "0 HEAD\nBROKEN\n"));
    EXPECT_EQ(m_window->Data(), nullptr);
    EXPECT_EQ(m_window->Selection().ProbandIndex, -1);
    EXPECT_EQ(ListCaption(), "Personenliste (0)");
    EXPECT_EQ(m_window->windowTitle(), "Quilvane") << "the title names no file once none is loaded";
    EXPECT_TRUE(m_window->DataPath().isEmpty());
    EXPECT_TRUE(m_window->References().ProbandText().trimmed().isEmpty());
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0], "E: 'BROKEN' ist kein gültiger Integerwert");
    EXPECT_EQ(m_window->RecentFiles(), std::vector<std::string>{m_example.toStdString()});
}

TEST_F(MainWindowTest, WarningsOfTheReaderAreShownOnce)
{
    m_window->OpenDataFile(Write("latin.ged", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME J\xFCrgen\n"));
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_TRUE(m_dialogs->shown[0].startsWith("W: Die Datei weist Fehler in der UTF-8-Kodierung auf."));
}

TEST_F(MainWindowTest, FilterEditsAndSortButtonsRefillTheGrid)
{
    m_window->OpenDataFile(m_example);
    PersonGrid& grid = m_window->Grid();
    grid.ShowFilterEdit(1);
    EXPECT_TRUE(grid.FilterEdit(1)->isVisible());
    EXPECT_FALSE(grid.FilterEdit(0)->isVisible());
    QTest::keyClicks(grid.FilterEdit(1), "MÜL");
    EXPECT_EQ(ListCaption(), "Personenliste (7)");
    grid.ShowFilterEdit(4);
    QTest::keyClicks(grid.FilterEdit(4), "leip");
    EXPECT_EQ(ListCaption(), "Personenliste (3)");
    QTest::mouseClick(grid.SortButton(2), Qt::LeftButton);
    const TAhnenData& data = *m_window->Data();
    EXPECT_EQ(data.Persons[grid.Model().PersonAt(0)].GivenNames, "Felix");
    EXPECT_EQ(data.Persons[grid.Model().PersonAt(2)].GivenNames, "Lena Sophie");
    EXPECT_EQ(grid.Model().Priorities(), (SortPriorities{5, 4, 6, 3, 2, 1, 0}));

    m_window->OpenDataFile(m_example);
    EXPECT_EQ(ListCaption(), "Personenliste (34)") << "opening a file clears the filters";
    EXPECT_TRUE(grid.FilterEdit(4)->text().isEmpty());
}

TEST_F(MainWindowTest, FilteredColumnsStayMarkedAfterTheirEditCloses)
{
    m_window->OpenDataFile(m_example);
    PersonGrid& grid = m_window->Grid();
    QHeaderView& header = *grid.horizontalHeader();
    // The colour of a header cell near its top left corner, as drawn, clear of the caption.
    auto shade = [&](int c) {
        QRect cell(header.sectionViewportPosition(c), 0, header.sectionSize(c), header.height());
        QImage image = header.grab(cell).toImage();
        return image.pixelColor(2, 2);
    };
    std::vector<QColor> plain;
    for (int c = 0; c < kPersonColumnCount; ++c) plain.push_back(shade(c));

    grid.ShowFilterEdit(1);
    QTest::keyClicks(grid.FilterEdit(1), "MÜL");
    grid.ShowFilterEdit(3);
    QTest::keyClicks(grid.FilterEdit(3), "18");
    grid.ShowFilterEdit(5);  // closes the other edits; the empty filter of column 5 stays open
    ASSERT_FALSE(grid.FilterEdit(1)->isVisible());
    for (int c : {1, 3}) {
        SCOPED_TRACE(c);
        EXPECT_NE(shade(c), plain[c]) << "a closed edit's filter shows on its header";
        EXPECT_EQ(grid.model()->headerData(c, Qt::Horizontal).toString(), kPersonColumnCaptions[c]);
    }
    for (int c : {0, 2, 4, 6}) EXPECT_EQ(shade(c), plain[c]) << "column " << c;

    grid.FilterEdit(3)->clear();
    EXPECT_EQ(shade(3), plain[3]) << "an emptied filter leaves no mark";
    m_window->OpenDataFile(m_example);
    EXPECT_EQ(shade(1), plain[1]) << "opening a file clears filters and marks";
}

TEST_F(MainWindowTest, DoubleClickChoosesProbandOrAddsToSelection)
{
    m_window->OpenDataFile(m_example);
    m_window->SetKekuleOne(3);
    DoubleClickRow(RowOf("I19"));
    EXPECT_EQ(m_window->Selection().ProbandIndex, 18);
    EXPECT_EQ(m_window->Selection().KekuleOneIndex, 18) << "a double click replaces the Kekule-1 person";
    EXPECT_TRUE(m_window->References().ProbandText().startsWith("I19 Müller"));

    m_window->RightPages().setCurrentIndex(1);
    DoubleClickRow(RowOf("I7"));
    DoubleClickRow(RowOf("I7"));
    DoubleClickRow(RowOf("I1"));
    EXPECT_EQ(m_window->SelectedList().count(), 2);
    EXPECT_EQ(m_window->SelectedList().item(0)->text(), "I7 - Weiß, Otto");
    EXPECT_EQ(m_window->RightPages().tabText(1), "Ausgewählte (2)");
    EXPECT_TRUE(m_window->Selection().IsSelected(6));

    m_window->SelectedList().item(0)->setSelected(true);
    QTest::keyClick(&m_window->SelectedList(), Qt::Key_Delete);
    EXPECT_EQ(m_window->SelectedList().count(), 1);
    EXPECT_FALSE(m_window->Selection().IsSelected(6));
    EXPECT_EQ(m_window->RightPages().tabText(1), "Ausgewählte (1)");
}

TEST_F(MainWindowTest, RightClickActsOnTheRowUnderTheMouse)
{
    m_window->OpenDataFile(m_example);
    PersonGrid& grid = m_window->Grid();
    ASSERT_TRUE(grid.horizontalHeader()->isVisible());
    for (int row : {1, 2, 7, 20, 33, 0}) {
        SCOPED_TRACE(row);
        RightClickRow(row, {"als Proband wählen"});
        EXPECT_EQ(m_window->Selection().ProbandIndex, grid.Model().PersonAt(row));
    }

    // A right click on a marked row keeps the marking, and "Markierte" takes all of it.
    grid.selectionModel()->select(
        QItemSelection(grid.model()->index(3, 0), grid.model()->index(5, 6)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    RightClickRow(4, {"Personen zur Auswahlliste hinzufügen", "Markierte"});
    EXPECT_EQ(grid.CurrentPerson(), grid.Model().PersonAt(4));
    EXPECT_EQ(m_window->SelectedList().count(), 3);
    for (int row : {3, 4, 5})
        EXPECT_TRUE(m_window->Selection().IsSelected(grid.Model().PersonAt(row)));

    // Elsewhere it marks the row clicked alone.
    RightClickRow(9, {"als Kekulenr. 1 festlegen"});
    EXPECT_EQ(grid.SelectedPersons(), std::vector<int64_t>{grid.Model().PersonAt(9)});
    EXPECT_EQ(m_window->Selection().KekuleOneIndex, grid.Model().PersonAt(9));

    // The menu key acts on the current row wherever the mouse is.
    grid.setCurrentIndex(grid.model()->index(6, 0));
    QTimer::singleShot(0, [] { PickFromMenus({"als Proband wählen"}); });
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1),
                          grid.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&grid, &key);
    EXPECT_EQ(m_window->Selection().ProbandIndex, grid.Model().PersonAt(6));
}

TEST_F(MainWindowTest, QueriesFillTheSelectionList)
{
    m_window->OpenDataFile(m_example);
    m_window->AddToSelection(RelationshipQuery::Ancestors, {18});
    EXPECT_EQ(m_window->SelectedList().count(), 19);
    EXPECT_EQ(m_window->SelectedList().item(0)->text(), "I19 - Müller, Lena Sophie");
    EXPECT_EQ(m_window->RightPages().tabText(1), "Ausgewählte (19)");
    m_window->AddToSelection(RelationshipQuery::Descendants, {18});
    EXPECT_EQ(m_window->SelectedList().count(), 21) << "Mia and Paul are new";
}

TEST_F(MainWindowTest, SettingsAndRecentFilesSurviveARestart)
{
    m_window->OpenDataFile(m_example);
    m_window->Settings().Tree.Alignment = 3;
    m_window->close();
    MainWindow second(QString::fromStdString(m_dir.string()));
    second.show();
    EXPECT_EQ(second.Settings().Tree.Alignment, 3);
    ASSERT_EQ(second.RecentFiles().size(), 1u);
    EXPECT_EQ(second.RecentMenu().actions().last()->text(), m_example);
}

TEST_F(MainWindowTest, ChoicesTheDialogsDoNotOfferAreClampedAtStart)
{
    m_window->close();
    Write("config.ini", "AT_ALIGNMENT = 7\r\nAT_TREE_TYPE = 9\r\nKT_SHAPE = 2\r\n");
    MainWindow second(QString::fromStdString(m_dir.string()));
    second.show();
    EXPECT_EQ(second.Settings().Tree.Alignment, 3);
    EXPECT_EQ(second.Settings().Tree.TreeType, 2);
    EXPECT_EQ(second.Settings().Circle.Shape, 1);
}

TEST_F(MainWindowTest, BusyModeIgnoresDoubleClicksAndCancelSetsTheFlag)
{
    m_window->OpenDataFile(m_example);
    m_window->EnterBusy();
    DoubleClickRow(0);
    EXPECT_EQ(m_window->Selection().ProbandIndex, -1);
    ProgressLine& progress = m_window->Progress();
    EXPECT_TRUE(progress.CancelButton()->isVisible());
    EXPECT_FALSE(progress.Report("Berechne <gb>", 1, 2));
    EXPECT_EQ(progress.Text(), "Berechne <gb>");
    QTest::mouseClick(progress.CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(progress.Report("Berechne <gb>", 2, 2));
    m_window->LeaveBusy();
    EXPECT_FALSE(progress.CancelButton()->isVisible());
}

}  // namespace
}  // namespace qv
