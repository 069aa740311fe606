// Family files dragged onto the main window, and files named on the command line.
#include <filesystem>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include "gui/main_window.h"
#include "main_window_fixture.h"
#include "qt_printers.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::MainWindowTest;

class FileDropTest : public MainWindowTest {
protected:
    // Sends the drag to the window as the window system does, so Qt picks the widget under
    // the pointer that takes drops; true when the drag was accepted.
    bool DragEnter(const QList<QUrl>& urls,
                   Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
    {
        m_data.setUrls(urls);
        QDragEnterEvent enter(Centre().toPoint(), actions, &m_data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window->windowHandle(), &enter);
        m_chosenAction = enter.dropAction();
        return enter.isAccepted();
    }
    bool Drop(const QList<QUrl>& urls)
    {
        if (!DragEnter(urls)) return false;
        QDropEvent drop(Centre(), Qt::CopyAction | Qt::MoveAction, &m_data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(m_window->windowHandle(), &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    }
    QPointF Centre() const { return QPointF(m_window->width() / 2.0, m_window->height() / 2.0); }
    QUrl Local(const std::string& name) const
    {
        return QUrl::fromLocalFile(QString::fromStdString((m_dir / name).string()));
    }

    QMimeData m_data;
    Qt::DropAction m_chosenAction = Qt::IgnoreAction;
};

TEST_F(FileDropTest, OnlyOneExistingFamilyFileIsTaken)
{
    Write("GROSS.GED", "0 HEAD\n");
    Write("liste.txt", "");
    Write("bild.png", "");
    fs::create_directories(m_dir / "ordner.ged");
    struct Case {
        QList<QUrl> urls;
        bool accepted;
    } cases[] = {
        {{Local("beispiel.ged")}, true},
        {{Local("GROSS.GED")}, true},
        {{Local("liste.txt")}, true},
        {{Local("bild.png")}, false},
        {{Local("fehlt.ged")}, false},
        {{Local("ordner.ged")}, false},
        {{Local("beispiel.ged"), Local("GROSS.GED")}, false},
        {{QUrl("https://example.org/beispiel.ged")}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.urls.isEmpty() ? "nothing" : c.urls.front().toString().toStdString());
        EXPECT_EQ(DragEnter(c.urls), c.accepted);
    }
}

TEST_F(FileDropTest, DropOpensTheFileAsACopyNeverAMove)
{
    ASSERT_TRUE(Drop({Local("beispiel.ged")}));
    EXPECT_EQ(m_chosenAction, Qt::CopyAction);
    ASSERT_NE(m_window->Data(), nullptr);
    EXPECT_EQ(ListCaption(), "Personenliste (34)");
    EXPECT_EQ(m_window->windowTitle(), "Quilvane - " + m_example);
    EXPECT_TRUE(fs::exists(m_dir / "beispiel.ged"));
    EXPECT_TRUE(m_dialogs->shown.empty());

    EXPECT_FALSE(DragEnter({Local("beispiel.ged")}, Qt::MoveAction))
        << "a drag that may only move the file is refused";
}

TEST_F(FileDropTest, NothingIsTakenWhileAnOutputRuns)
{
    m_window->EnterBusy();
    EXPECT_FALSE(Drop({Local("beispiel.ged")}));
    EXPECT_EQ(m_window->Data(), nullptr);
    m_window->LeaveBusy();
    EXPECT_TRUE(Drop({Local("beispiel.ged")}));
    EXPECT_NE(m_window->Data(), nullptr);
}

TEST_F(FileDropTest, MissingFileNamedOnTheCommandLineIsReported)
{
    QString missing = QString::fromStdString((m_dir / "Tippfehler.ged").string());
    m_window->OpenDataFile(missing);
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0],
              "E: Datei " + missing + " kann nicht geöffnet werden. No such file or directory");
    EXPECT_EQ(m_window->Data(), nullptr);

    m_window->OpenDataFile(m_example);
    EXPECT_NE(m_window->Data(), nullptr);
    EXPECT_EQ(m_window->windowTitle(), "Quilvane - " + m_example);
}

}  // namespace
}  // namespace qv
