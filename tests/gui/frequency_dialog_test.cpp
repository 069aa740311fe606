// The hidden "Diagramm" command end to end: warning, dialog, save dialog and workbook.
#include <QAbstractButton>
#include <QGroupBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "gui/frequency_dialog.h"
#include "main_window_fixture.h"
#include "tables/ooxml_reader.h"

namespace qv {
namespace {

class FrequencyCommandTest : public test::ExampleWindowTest {
protected:
    void SelectPersons(int count)
    {
        std::vector<int64_t> persons;
        for (int64_t p = 0; static_cast<int>(persons.size()) < count; ++p)
            if (p != 18) persons.push_back(p);
        m_window->AddToSelection(RelationshipQuery::Marked, persons);
    }
};

TEST_F(FrequencyCommandTest, MenuEntryExistsButIsHidden)
{
    QAction* action = OutputEntry("Diagramm");
    ASSERT_TRUE(action);
    EXPECT_FALSE(action->isVisible());
    m_window->MakeFrequencyDiagram();
    EXPECT_EQ(m_dialogs->shown.back(), "I: Keine Personen in der Liste zum Anzeigen!");
    EXPECT_TRUE(m_dialogs->dialogsShown.empty()) << "the selection is checked before the dialog";
}

TEST_F(FrequencyCommandTest, SeventeenPersonsWarnAndCancelEndsTheCommand)
{
    SelectPersons(17);
    m_dialogs->okCancel = {false};
    OutputEntry("Diagramm")->trigger();
    ASSERT_FALSE(m_dialogs->shown.empty());
    EXPECT_EQ(m_dialogs->shown.back(),
              "W?: Es sind 17 Personen ausgewählt.\nEs wird empfohlen nur einige wenige Personen "
              "gleichzeitig\ndarzustellen, damit die Übersicht gewahrt bleibt.");
    EXPECT_TRUE(m_dialogs->dialogsShown.empty());
    EXPECT_TRUE(m_dialogs->offeredFilters.empty());
}

TEST_F(FrequencyCommandTest, WithOkTheDialogsValueAndAllSeventeenPersonsReachTheWorkbook)
{
    SelectPersons(17);
    m_dialogs->okCancel = {true};
    m_dialogs->editDialog = [](QDialog& dialog) {
        auto& frequency = static_cast<FrequencyDialog&>(dialog);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        for (QRadioButton* radio : frequency.ValueGroup().findChildren<QRadioButton*>())
            if (radio->text() == "gbx1")  // on the button's circle, not beside its text
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
        dialog.hide();
    };
    const std::string path = AnswerSaveAs("diagramm", 0);
    OutputEntry("Diagramm")->trigger();
    EXPECT_EQ(m_dialogs->dialogsShown.back(), "Einstellungen - Grafik - Diagramm");
    EXPECT_EQ(m_window->Settings().FrequencyValue, 4);
    ASSERT_EQ(m_dialogs->offeredFilters.size(), 4u);
    EXPECT_EQ(m_dialogs->offeredFilters[0].patterns, "*.xlsx");
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: 17\nBenötigte Zeit: "))
        << m_dialogs->shown.back().toStdString();
    pugi::xml_document chart = test::XmlPart(path + ".xlsx", "xl/charts/chart1.xml");
    EXPECT_EQ(chart.select_nodes("//c:ser").size(), 34u);
    EXPECT_TRUE(chart.select_node("//c:chart/c:title//a:t[.='gbx1']").node());
}

TEST_F(FrequencyCommandTest, DialogShowsTheNineValuesAndAbbrechenStops)
{
    SelectPersons(2);
    m_window->Settings().FrequencyValue = 7;
    m_dialogs->acceptDialogs = false;
    QStringList items;
    bool checkedSeventh = false;
    m_dialogs->editDialog = [&](QDialog& dialog) {
        auto& frequency = static_cast<FrequencyDialog&>(dialog);
        EXPECT_EQ(frequency.ValueGroup().title(), "Wert");
        for (QRadioButton* radio : frequency.ValueGroup().findChildren<QRadioButton*>()) {
            items << radio->text();
            if (radio->text() == "gbx1(s)") checkedSeventh = radio->isChecked();
        }
    };
    m_window->MakeFrequencyDiagram();
    EXPECT_EQ(items, (QStringList{"gb(d)", "gbx1(d)", "gbx2(d)", "gb", "gbx1", "gbx2", "gb(s)",
                                  "gbx1(s)", "gbx2(s)"}));
    EXPECT_TRUE(checkedSeventh) << "the dialog is loaded from DG_VALUE";
    EXPECT_TRUE(m_dialogs->offeredFilters.empty()) << "\"Abbrechen\" ends before the save dialog";
    EXPECT_EQ(m_dialogs->shown.size(), 0u) << "two persons need no warning";
}

}  // namespace
}  // namespace qv
