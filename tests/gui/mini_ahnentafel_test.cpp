// The mini ancestor table in the main window: following the grid, hints, clicks.
#include "gui/mini_ahnentafel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "gui/person_grid.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

using test::MainWindowTest;

class MiniTableTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_window->OpenDataFile(m_example);
    }
    int64_t Person(const char* id) { return m_window->Data()->FindPerson(id); }
    void SelectRow(const char* id)
    {
        PersonGrid& grid = m_window->Grid();
        QModelIndex index = grid.model()->index(RowOf(id), 1);
        grid.scrollTo(index);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(index).center());
    }
    // The mouse moved over the table to the point, as the window system reports it.
    void MoveMouse(const QPoint& at)
    {
        TMiniAhnentafel& mini = m_window->MiniAncestors();
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(mini.mapToGlobal(at)),
                         Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&mini, &move);
    }
    const MiniSymbol& SymbolOf(int64_t person)
    {
        const MiniLayout& layout = m_window->MiniAncestors().Layout();
        for (const MiniSymbol& s : layout.symbols)
            if (s.person == person) return s;
        ADD_FAILURE() << "no symbol for " << person;
        return layout.symbols.front();
    }
};

TEST_F(MiniTableTest, SelectedRowBecomesTheCentreWithItsParentsBesideIt)
{
    TMiniAhnentafel& mini = m_window->MiniAncestors();
    EXPECT_EQ(mini.Centre(), m_window->Grid().CurrentPerson()) << "the first row after opening";
    SelectRow("I19");
    ASSERT_EQ(mini.Centre(), Person("I19"));
    const MiniSymbol& centre = mini.Layout().symbols[0];
    const TAhnenData& data = *m_window->Data();
    int64_t father = data.GetFather(Person("I19"));
    EXPECT_EQ(SymbolOf(father).x, centre.x - 64);
    EXPECT_EQ(SymbolOf(data.GetMother(Person("I19"))).x, centre.x + 64);
    EXPECT_EQ(SymbolOf(data.GetMother(father)).x, centre.x - 64 + 32);
    EXPECT_EQ(centre.x, mini.width() / 2);
}

TEST_F(MiniTableTest, HoverShowsTheHintAndAClickCentresOnTheListedPerson)
{
    SelectRow("I19");
    TMiniAhnentafel& mini = m_window->MiniAncestors();
    int64_t father = m_window->Data()->GetFather(Person("I19"));
    const TPerson& f = m_window->Data()->Persons[father];
    QPoint at(SymbolOf(father).x + 2, SymbolOf(father).y - 1);
    MoveMouse(at);
    QString hint = mini.HintText();
    EXPECT_TRUE(hint.startsWith(QString::fromStdString("#" + f.Id + " " + f.Surname + ", ")))
        << hint.toStdString();
    EXPECT_TRUE(hint.contains("\ngeb. ")) << hint.toStdString();
    MoveMouse(QPoint(2, 2));
    EXPECT_TRUE(mini.HintText().isEmpty());

    QTest::mouseClick(&mini, Qt::LeftButton, {}, at);
    EXPECT_EQ(mini.Centre(), father);
    EXPECT_EQ(m_window->Grid().SelectedPersons(), std::vector<int64_t>{father});
}

TEST_F(MiniTableTest, PersonsHiddenByTheFiltersCannotBeReached)
{
    SelectRow("I19");
    int64_t father = m_window->Data()->GetFather(Person("I19"));
    QPoint at(SymbolOf(father).x, SymbolOf(father).y);
    m_window->Grid().ShowFilterEdit(0);
    QTest::keyClicks(m_window->Grid().FilterEdit(0), "I19");
    SelectRow("I19");
    TMiniAhnentafel& mini = m_window->MiniAncestors();
    QTest::mouseClick(&mini, Qt::LeftButton, {}, at);
    EXPECT_EQ(mini.Centre(), Person("I19"));
    EXPECT_EQ(m_window->Grid().SelectedPersons(), std::vector<int64_t>{Person("I19")});
}

TEST_F(MiniTableTest, HiddenOnTheSelectionPageAndRedrawnForNewSizes)
{
    SelectRow("I19");
    TMiniAhnentafel& mini = m_window->MiniAncestors();
    m_window->RightPages().setCurrentIndex(1);
    EXPECT_FALSE(mini.isVisible());
    m_window->RightPages().setCurrentIndex(0);
    EXPECT_TRUE(mini.isVisible());
    int before = mini.Layout().symbols[0].x;
    m_window->resize(m_window->width() + 200, m_window->height());
    QApplication::processEvents();
    EXPECT_EQ(mini.Layout().symbols[0].x, mini.width() / 2);
    EXPECT_NE(mini.Layout().symbols[0].x, before);
    m_window->OpenDataFile(m_example);
    EXPECT_EQ(mini.Centre(), m_window->Grid().CurrentPerson());
}

}  // namespace
}  // namespace qv
