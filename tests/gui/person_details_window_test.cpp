// The details window in the running program: description, number lists, clicks, pictures.
#include "gui/person_details_window.h"

#include <filesystem>
#include <fstream>

#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "calc/family_document.h"
#include "gui/kekule_picture_worker.h"
#include "gui_events.h"
#include "main_window_fixture.h"
#include "tables/kekule_line_picture.h"

namespace qv {
namespace {

using test::ClickInNextMenu;
using test::MainWindowTest;
using test::RightClick;
using test::WhenModalShown;

class DetailsWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_window->OpenDataFile(m_example);
        m_window->SetProband(Person("I19"));
        m_window->SetKekuleOne(Person("I19"));
    }
    int64_t Person(const char* id) { return m_window->Data()->FindPerson(id); }
    PersonDetailsWindow& Open(const char* id)
    {
        PersonDetailsWindow& details = m_window->Details();
        EXPECT_TRUE(details.ShowPerson(*m_window->Document(), Person(id)));
        details.show();
        return details;
    }
    // Releases the mouse over the given document position of the number list.
    void ClickNumberText(PersonDetailsWindow& details, int64_t position)
    {
        QTextEdit& list = details.NumberText();
        QTextCursor cursor(list.document());
        cursor.setPosition(static_cast<int>(position));
        QPoint at = list.cursorRect(cursor).center();
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
    }
    QSize LineSize(int64_t number)
    {
        std::optional<Bitmap> picture =
            BuildKekuleLinePicture(*m_window->Data(), Person("I19"), number);
        return picture ? picture->Image().size() : QSize();
    }
};

TEST_F(DetailsWindowTest, GridMenuOpensTheDescriptionOfTheRowsPerson)
{
    PersonGrid& grid = m_window->Grid();
    QModelIndex index = grid.model()->index(RowOf("I1"), 1);
    grid.setCurrentIndex(index);
    QString title;
    std::string text;
    QWidget* shown = nullptr;
    WhenModalShown([&](QWidget& modal) {
        shown = &modal;
        PersonDetailsWindow& details = m_window->Details();
        title = details.windowTitle();
        text = details.DetailsText().toPlainText().toStdString();
        details.Button("Schließen")->click();
    });
    ClickInNextMenu("Details anzeigen");
    RightClick(grid.viewport(), grid.visualRect(index).center());
    EXPECT_EQ(shown, &m_window->Details());
    EXPECT_EQ(title, "Details - Proband: I19 Müller, Lena Sophie");
    EXPECT_NE(text.find("Nummer:\tI1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("kleinste Kekulenummer: 20\n"), std::string::npos) << text;
    // I1 stands twice in the ancestry: the parents of I19 are cousins.
    EXPECT_NE(text.find("z(d) = 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("gb(d) = 42\n"), std::string::npos) << text;
    EXPECT_FALSE(m_window->Details().isVisible());
}

TEST_F(DetailsWindowTest, CyclicAncestryIsReportedAndNoWindowOpens)
{
    // I1 is the father of his own father.
    m_window->OpenDataFile(Write("kreis.ged",
                                 "0 HEAD\n0 @I1@ INDI\n1 NAME A /Kreis/\n1 FAMC @F1@\n"
                                 "0 @I2@ INDI\n1 NAME B /Kreis/\n1 FAMC @F2@\n"
                                 "0 @F1@ FAM\n1 HUSB @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n"
                                 "0 TRLR\n"));
    m_window->SetProband(0);
    m_dialogs->shown.clear();
    m_window->ShowDetails(1);
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_TRUE(m_dialogs->shown[0].startsWith("E: Zirkelbezug in der Abstammung: "))
        << m_dialogs->shown[0].toStdString();
    EXPECT_FALSE(m_window->Details().isVisible());
    EXPECT_TRUE(m_window->Details().DetailsRtf().empty());
}

TEST_F(DetailsWindowTest, ButtonsListNumbersAndComputeTheDetailedValues)
{
    PersonDetailsWindow& details = Open("I1");
    QTest::mouseClick(details.Button("vollständige Kekulenummernliste"), Qt::LeftButton);
    EXPECT_EQ(details.NumberText().toPlainText().toStdString(),
              "Kekule-Nummern:\nGeneration:\tNummern:\n4\t\t20, 28\n");
    QTest::mouseClick(details.Button("X-Chromosomale Kekulenummern"), Qt::LeftButton);
    EXPECT_TRUE(details.NumberText().toPlainText().startsWith("X-Chromosomale Kekule-Nummern:"));
    QTest::mouseClick(details.Button("Detailierte Werte berechnen"), Qt::LeftButton);
    std::string text = details.DetailsText().toPlainText().toStdString();
    EXPECT_NE(text.find("\nf = "), std::string::npos) << text;
    EXPECT_NE(text.find("\nz = "), std::string::npos) << text;
    EXPECT_TRUE(details.isEnabled());
}

TEST_F(DetailsWindowTest, ClickedNumberDrawsItsLineAndMissesDrawTheRootAlone)
{
    PersonDetailsWindow& details = Open("I1");
    QTest::mouseClick(details.Button("vollständige Kekulenummernliste"), Qt::LeftButton);
    ASSERT_EQ(details.Numbers().ranges.size(), 2u);
    QSignalSpy shown(&details, &PersonDetailsWindow::PictureShown);
    int widthBefore = details.width();
    ClickNumberText(details, details.Numbers().ranges[0].start + 1);
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_EQ(details.Picture().size(), LineSize(20));
    EXPECT_GE(details.width(), std::min(widthBefore, details.Picture().width()));
    // On the heading no number is found: the line for 0 is the Kekule-1 person alone.
    ClickNumberText(details, 3);
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_EQ(details.Picture().size(), LineSize(1));
}

TEST_F(DetailsWindowTest, NewerClickSupersedesAnOlderOne)
{
    PersonDetailsWindow& details = Open("I1");
    QSignalSpy shown(&details, &PersonDetailsWindow::PictureShown);
    QSignalSpy drawn(&details.Worker(), &KekulePictureWorker::Drawn);
    QTest::mouseClick(details.Button("vollständige Kekulenummernliste"), Qt::LeftButton);
    ClickNumberText(details, details.Numbers().ranges[0].start);
    ClickNumberText(details, 0);
    ASSERT_TRUE(shown.wait(20000));
    QTest::qWait(300);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(details.Picture().size(), LineSize(1));
    // Whatever the worker finished of the first click never reached the window.
    EXPECT_LE(drawn.count(), 2);
}

TEST_F(DetailsWindowTest, ClosingStopsTheWorkerBeforeTheDataGoes)
{
    PersonDetailsWindow& details = Open("I1");
    QSignalSpy shown(&details, &PersonDetailsWindow::PictureShown);
    details.ClickNumberAt(0);
    details.Button("Schließen")->click();
    // The worker read the family that is now replaced; sanitizers would see a late read.
    m_window->OpenDataFile(m_example);
    QTest::qWait(300);
    EXPECT_EQ(shown.count(), 0);
}

TEST_F(DetailsWindowTest, SpeichernWritesTheTextsAsRtfAndThePictureAsPng)
{
    PersonDetailsWindow& details = Open("I1");
    m_dialogs->saveChoices = {{QString::fromStdString((m_dir / "daten").string()), 0}};
    ClickInNextMenu("Speichern");
    RightClick(details.DetailsText().viewport(), QPoint(10, 10));
    std::ifstream rtf(m_dir / "daten.rtf", std::ios::binary);
    std::string written((std::istreambuf_iterator<char>(rtf)), {});
    EXPECT_EQ(written, details.DetailsRtf());
    EXPECT_EQ(written.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(m_dialogs->offeredFilters.size(), 1u);

    QSignalSpy shown(&details, &PersonDetailsWindow::PictureShown);
    details.ClickNumberAt(0);
    ASSERT_TRUE(shown.wait(20000));
    m_dialogs->saveChoices = {{QString::fromStdString((m_dir / "linie.bild").string()), 0}};
    ClickInNextMenu("Speichern");
    auto* picture = details.findChild<QScrollArea*>();
    RightClick(picture->viewport(), QPoint(10, 10));
    ASSERT_EQ(m_dialogs->offeredFilters.size(), 2u);
    EXPECT_EQ(m_dialogs->offeredFilters[0].code, kFormatPng);
    QImage saved(QString::fromStdString((m_dir / "linie.png").string()));
    EXPECT_EQ(saved.size(), details.Picture().size());
}

}  // namespace
}  // namespace qv
