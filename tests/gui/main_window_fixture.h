// A shown main window with scripted dialogs and the example family on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "data/example_family.h"
#include "fake_dialogs.h"
#include "gui/main_window.h"
#include "gui/person_grid.h"
#include "qt_printers.h"

namespace qv::test {

namespace fs = std::filesystem;

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-gui-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_example = Write("beispiel.ged", std::string(ExampleGedcomBytes()));
        m_window = std::make_unique<MainWindow>(QString::fromStdString(m_dir.string()));
        auto dialogs = std::make_unique<FakeDialogs>();
        m_dialogs = dialogs.get();
        m_window->SetDialogs(std::move(dialogs));
        m_window->resize(1000, 600);
        m_window->show();
    }
    void TearDown() override
    {
        m_window.reset();
        fs::remove_all(m_dir);
    }
    QString Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return QString::fromStdString((m_dir / name).string());
    }
    // The save dialog will answer with this name in the folder and this filter; the path
    // without the extension the filter adds.
    std::string AnswerSaveAs(const std::string& name, int filter)
    {
        m_dialogs->saveChoices = {{QString::fromStdString((m_dir / name).string()), filter}};
        return (m_dir / name).string();
    }
    QString ListCaption() const
    {
        return m_window->findChild<QTabWidget*>()->tabText(0);
    }
    int RowOf(const char* id)
    {
        PersonTableModel& model = m_window->Grid().Model();
        for (int row = 0; row < model.ListedCount(); ++row)
            if (m_window->Data()->Persons[model.PersonAt(row)].Id == id) return row;
        return -1;
    }
    void DoubleClickRow(int row)
    {
        PersonGrid& grid = m_window->Grid();
        QModelIndex index = grid.model()->index(row, 1);
        grid.scrollTo(index);
        QPoint centre = grid.visualRect(index).center();
        // A double click arrives after the press of its first click.
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centre);
    }
    // Right-clicks a row (the event reaches the grid through its viewport, as the mouse's does)
    // and clicks the captions in the menus that open; no captions: Escape.
    void RightClickRow(int row, const QStringList& captions)
    {
        PersonGrid& grid = m_window->Grid();
        QModelIndex index = grid.model()->index(row, 2);
        grid.scrollTo(index);
        QPoint centre = grid.visualRect(index).center();
        QTimer::singleShot(0, [captions] { PickFromMenus(captions); });
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre,
                                grid.viewport()->mapToGlobal(centre));
        QApplication::sendEvent(grid.viewport(), &event);
    }
    static void PickFromMenus(QStringList captions, QMenu* expected = nullptr)
    {
        auto* menu = expected ? expected : qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible()) {
            QTimer::singleShot(10, [captions, expected] { PickFromMenus(captions, expected); });
            return;
        }
        if (captions.isEmpty()) return QTest::keyClick(menu, Qt::Key_Escape);
        QString caption = captions.takeFirst();
        for (QAction* action : menu->actions()) {
            if (action->text() != caption) continue;
            // A submenu opens shortly after the click; the next caption is picked there.
            if (QMenu* sub = action->menu())
                QTimer::singleShot(0, [captions, sub] { PickFromMenus(captions, sub); });
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
        ADD_FAILURE() << "no menu entry " << caption.toStdString();
        QTest::keyClick(menu, Qt::Key_Escape);
    }

    fs::path m_dir;
    QString m_example;
    std::unique_ptr<MainWindow> m_window;
    FakeDialogs* m_dialogs = nullptr;
};

// The main window with the example family open and person 18 as proband.
class ExampleWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_window->OpenDataFile(m_example);
        m_window->SetProband(18);
    }
    // The entry of the "Ausgabe" menu with this caption, or none.
    QAction* OutputEntry(const QString& caption) const
    {
        for (QAction* action : m_window->OutputMenu().actions())
            if (action->text() == caption) return action;
        return nullptr;
    }
};

}  // namespace qv::test
