// The circle chart dialog: write-through, ranges, the comment editors; and the menu command
// through to the written picture.
#include "gui/circle_chart_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "app/help_topics.h"
#include "fake_dialogs.h"
#include "gui/context_help.h"
#include "gui/template_editor.h"
#include "gui/text_block_editor.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

class CircleChartDialogTest : public testing::Test {
protected:
    TImageSettings m_settings;
    test::FakeDialogs m_dialogs;
};

TEST_F(CircleChartDialogTest, ChangesAreWrittenAtOnceAndFillingClamps)
{
    m_settings.Circle.NodeHeight = 0;  // stored by default, used as 50
    m_settings.Circle.TreeMaxGen = 99;
    CircleChartDialog dialog(m_settings, m_dialogs);
    dialog.Fill();
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen - Grafik - Kreisahnentafel");
    EXPECT_EQ(m_settings.Circle.NodeHeight, 0u) << "filling alone writes nothing";
    EXPECT_EQ(dialog.Spin("Abstände")->value(), 50);
    EXPECT_EQ(dialog.Spin("Abstände")->maximum(), 1000);
    EXPECT_EQ(dialog.Spin("Abstände")->toolTip(), "Mindestabstand zwischen Generationen");
    EXPECT_EQ(dialog.Spin("Baum")->maximum(), 99);
    EXPECT_EQ(dialog.Spin("Schrift")->minimum(), 5);

    dialog.Group("Darstellungsform:")->findChildren<QRadioButton*>()[1]->setChecked(true);
    EXPECT_EQ(m_settings.Circle.Shape, 1);
    EXPECT_EQ(m_settings.Circle.NodeHeight, 50u) << "a change writes the whole dialog, clamped";
    struct Row {
        const char* group;
        const char* caption;
        bool CircleChartSettings::*field;
    } rows[] = {
        {"Kreisahnentafel", "dopp. Personen mark.", &CircleChartSettings::HighlightDouble},
        {"Kreisahnentafel", "Kekulenummern", &CircleChartSettings::Kekule},
        {"Kreisahnentafel", "Generationsangabe", &CircleChartSettings::Generations},
        {"Hintergrund", "abwechselnd färben", &CircleChartSettings::BackgroundColored},
        {"Beschriftung Personen", "Nachn. in Großbuchst.", &CircleChartSettings::LabelsSurnameCaps},
        {"Linien", "Kantenglättung", &CircleChartSettings::Antialiasing},
        {"Kommentare", "Kopfzeile", &CircleChartSettings::CommentHeader},
        {"Kommentare", "Fußzeile", &CircleChartSettings::CommentFooter},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        QCheckBox* box = dialog.Check(row.group, row.caption);
        ASSERT_NE(box, nullptr);
        box->setChecked(true);
        EXPECT_TRUE(m_settings.Circle.*row.field);
    }
    EXPECT_EQ(dialog.Check("Kreisahnentafel", "dopp. Personen mark.")->toolTip(),
              "doppelte Personen farblich markieren");
    dialog.Check("Schrift", "Kantenglättung")->setChecked(false);
    EXPECT_FALSE(m_settings.FontAntialiasing);
    EXPECT_TRUE(m_settings.Circle.Antialiasing) << "the two \"Kantenglättung\" are apart";
    dialog.Spin("Baum")->setValue(7);
    EXPECT_EQ(m_settings.Circle.TreeMaxGen, 7);
}

TEST_F(CircleChartDialogTest, CommentEditorsOpenOnUserChoicesOnly)
{
    m_settings.Circle.CommentHeadline = true;
    CircleChartDialog dialog(m_settings, m_dialogs);
    dialog.Fill();
    dialog.show();
    EXPECT_TRUE(m_dialogs.dialogsShown.empty()) << "filling does not open the editor";

    m_dialogs.editDialog = [](QDialog& editor) {
        static_cast<TemplateEditor&>(editor).Text().setPlainText("<Proband> am <Datum>");
    };
    dialog.Check("Kommentare", "dynamische Kopfzeile")->setChecked(false);
    dialog.Check("Kommentare", "dynamische Kopfzeile")->setChecked(true);
    ASSERT_EQ(m_dialogs.dialogsShown.size(), 1u);
    EXPECT_EQ(m_dialogs.dialogsShown[0], "Kopfzeile");
    EXPECT_EQ(m_settings.CommentHeadlineText, TArrayOfString{"<Proband> am <Datum>"});

    m_dialogs.editDialog = [](QDialog& editor) {
        static_cast<TextBlockEditor&>(editor).Load({"<b>Fuß</b>"});
    };
    dialog.EditButton(1)->click();
    EXPECT_EQ(m_dialogs.dialogsShown.back(), "Fußzeile");
    EXPECT_EQ(m_settings.CommentFooterText, TArrayOfString{"<b>Fuß</b>"});
}

using CircleChartCommandTest = test::ExampleWindowTest;

TEST_F(CircleChartCommandTest, MenuEntryWritesThePictureWithTheDialogsSettings)
{
    QAction* entry = OutputEntry("Kreisahnentafel");
    ASSERT_NE(entry, nullptr);
    m_dialogs->editDialog = [](QDialog& dialog) {
        auto& circle = static_cast<CircleChartDialog&>(dialog);
        circle.Group("Darstellungsform:")->findChildren<QRadioButton*>()[1]->setChecked(true);
    };
    const std::string path = AnswerSaveAs("kreis", 1);
    entry->trigger();
    EXPECT_EQ(m_dialogs->dialogsShown.back(), "Einstellungen - Grafik - Kreisahnentafel");
    EXPECT_EQ(m_window->Settings().Circle.Shape, 1);
    ASSERT_EQ(m_dialogs->offeredFilters.size(), 5u);
    EXPECT_EQ(m_dialogs->offeredFilters[0].caption, "Windows Bitmap (*.bmp)");
    EXPECT_EQ(m_dialogs->offeredFilters[4].caption, "HTML-Dokument (*.html; *.htm)");
    ASSERT_TRUE(std::filesystem::exists(path + ".png"));
    const QImage picture(QString::fromStdString(path + ".png"));
    EXPECT_GT(picture.width(), picture.height()) << "a half circle is wider than high";
    // No count line: the time and the question only.
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Benötigte Zeit: "))
        << m_dialogs->shown.back().toStdString();
    EXPECT_TRUE(m_dialogs->shown.back().endsWith("Bild anzeigen?"));
}

TEST_F(CircleChartCommandTest, RefusalIsShownAndNothingWritten)
{
    m_dialogs->editDialog = [](QDialog& dialog) {
        auto& circle = static_cast<CircleChartDialog&>(dialog);
        circle.Group("Darstellungsform:")->findChildren<QRadioButton*>()[1]->setChecked(true);
        circle.Spin("Schrift")->setValue(40);
    };
    const std::string path = AnswerSaveAs("kreis", 1);
    m_window->MakeCircleChart();
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("E: Der Halbkreis braucht"))
        << m_dialogs->shown.back().toStdString();
    EXPECT_FALSE(std::filesystem::exists(path + ".png"));
}

TEST_F(CircleChartCommandTest, EveryControlGroupHasItsHelpTopic)
{
    TImageSettings settings;
    CircleChartDialog dialog(settings, *m_dialogs);
    EXPECT_EQ(BindDialogHelp(m_window->Help(), dialog, HelpDialog::CircleChart),
              std::vector<std::string>{});
    EXPECT_EQ(ContextHelp::TopicFor(dialog.Group("Abstände")),
              "::/Ausgabe/grafik_kreisahnentafel.html#Abstaende");
}

}  // namespace
}  // namespace qv
