// The "3D" command: its checks, the display-type dialog and the viewer window's tool strip,
// with scripted dialogs (the OpenGL view itself is tested under Xvfb).
#include "gui/view3d_command.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include "gui/display_type_dialog.h"
#include "gui/image_3d.h"
#include "gui/view3d_window.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

class View3DCommandTest : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_window->OpenDataFile(m_example);
    }
    // Chooses the display type in the first dialog, then lets check() look at the viewer.
    void Open(int typeIndex, std::function<void(View3DWindow&)> check)
    {
        m_dialogs->editDialog = [=](QDialog& dialog) {
            if (auto* choice = dynamic_cast<DisplayTypeDialog*>(&dialog))
                choice->List().setCurrentIndex(typeIndex);
            else if (auto* viewer = dynamic_cast<View3DWindow*>(&dialog))
                check(*viewer);
        };
        m_window->Show3D();
    }
};

TEST_F(View3DCommandTest, TheMenuEntryFollowsTheTables)
{
    QStringList entries;
    for (QAction* action : m_window->OutputMenu().actions()) entries << action->text();
    const int tables = int(entries.indexOf("Kennwert-Tabelle"));
    ASSERT_GE(tables, 0);
    EXPECT_EQ(entries.value(tables + 1), "3D");
}

TEST_F(View3DCommandTest, NeedsAProband)
{
    m_window->Show3D();
    EXPECT_EQ(m_dialogs->shown, std::vector<QString>{"I: Kein Proband gewählt!"});
    EXPECT_TRUE(m_dialogs->dialogsShown.empty());
}

TEST_F(View3DCommandTest, TheDialogOffersTheThreeTypesAndAbortStops)
{
    m_window->SetProband(18);
    m_dialogs->acceptDialogs = false;
    m_dialogs->editDialog = [](QDialog& dialog) {
        auto& choice = dynamic_cast<DisplayTypeDialog&>(dialog);
        QComboBox& list = choice.List();
        ASSERT_EQ(list.count(), 3);
        EXPECT_EQ(list.itemText(0), "Kreis/Kegel");
        EXPECT_EQ(list.itemText(1), "rechtwinklige Linien");
        EXPECT_EQ(list.itemText(2), "Blöcke");
        EXPECT_EQ(list.currentIndex(), 0);
        EXPECT_EQ(list.geometry().topLeft(), QPoint(58, 35));
        EXPECT_EQ(list.width(), 111);
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_NE(dialog.findChild<QLabel*>(), nullptr);
        EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Anzeigetyp wählen:");
    };
    m_window->Show3D();
    EXPECT_EQ(m_dialogs->dialogsShown, std::vector<QString>{"Anzeigetyp wählen"});
}

TEST_F(View3DCommandTest, TheViewerShowsTheChosenTypeWithItsToolStrip)
{
    m_window->SetProband(18);
    const int64_t ancestors = int64_t(m_window->Data()->Persons.size());
    for (int index : {0, 1, 2}) {
        SCOPED_TRACE(index);
        bool seen = false;
        Open(index, [&](View3DWindow& viewer) {
            seen = true;
            EXPECT_EQ(viewer.size(), QSize(800, 600));
            EXPECT_EQ(int(viewer.View().Scene().Type), index + 1);
            EXPECT_EQ(viewer.SaveButton().isVisibleTo(&viewer), index != 2) << "no page of blocks";
            QSlider& slider = viewer.DimmingSlider();
            EXPECT_EQ(slider.minimum(), 0);
            EXPECT_EQ(slider.maximum(), 20);
            EXPECT_EQ(slider.value(), 16);
            EXPECT_EQ(slider.focusPolicy(), Qt::NoFocus);
            EXPECT_LT(viewer.View().Scene().IncludedCount(), ancestors);
        });
        EXPECT_TRUE(seen);
    }
}

TEST_F(View3DCommandTest, SearchCountsTheShownPersonsAndEnterMarksTheNext)
{
    m_window->SetProband(18);
    Open(0, [&](View3DWindow& viewer) {
        const TAhnenData& data = *m_window->Data();
        const Scene3D& scene = viewer.View().Scene();
        int64_t expected = 0;
        std::vector<int64_t> found;
        for (size_t p = 0; p < data.Persons.size(); ++p) {
            if (!scene.Included[p] || data.Persons[p].Surname != "Müller") continue;
            ++expected;
            found.push_back(int64_t(p));
        }
        ASSERT_GE(expected, 2);
        viewer.SurnameEdit().setText("mÜller");
        EXPECT_EQ(viewer.ResultLabel().text(), QString("%1 Treffer").arg(expected));
        for (int round = 0; round < 2; ++round)
            for (int64_t person : found) {
                QTest::keyClick(&viewer.SurnameEdit(), Qt::Key_Return);
                EXPECT_EQ(viewer.View().MarkedPerson(), person);
                EXPECT_EQ(viewer.View().FocusTarget(), scene.NodePositions[person]);
            }
        viewer.GivenNamesEdit().setText("xyz");
        EXPECT_EQ(viewer.ResultLabel().text(), "0 Treffer");
    });
}

TEST_F(View3DCommandTest, SaveWritesThePageThroughTheSaveDialog)
{
    m_window->SetProband(18);
    const std::string page = (m_dir / "seite.html").string();
    m_dialogs->saveChoices = {{QString::fromStdString((m_dir / "seite").string()), 0},
                              {QString::fromStdString((m_dir / "fehlt" / "x.html").string()), 0}};
    Open(1, [&](View3DWindow& viewer) {
        QTest::mouseClick(&viewer.SaveButton(), Qt::LeftButton);
        EXPECT_TRUE(std::filesystem::exists(page)) << "the extension of the only filter";
        EXPECT_EQ(m_dialogs->offeredFilters.size(), 1u);
        QTest::mouseClick(&viewer.SaveButton(), Qt::LeftButton);
        ASSERT_FALSE(m_dialogs->shown.empty());
        EXPECT_TRUE(m_dialogs->shown.back().startsWith("E: ")) << m_dialogs->shown.back().toStdString();
        // A cancelled save dialog writes nothing and asks nothing more.
        const size_t messages = m_dialogs->shown.size();
        QTest::mouseClick(&viewer.SaveButton(), Qt::LeftButton);
        EXPECT_EQ(m_dialogs->shown.size(), messages);
    });
    std::ifstream in(page, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("var Nodes = ["), std::string::npos);
}

}  // namespace
}  // namespace qv
