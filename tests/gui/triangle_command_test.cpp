// The triangle diagram from the menu, and its settings dialog.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "app/help_topics.h"
#include "gui/context_help.h"
#include "gui/template_editor.h"
#include "gui/triangle_dialog.h"
#include "main_window_fixture.h"

namespace qv {
namespace {

using TriangleCommandTest = test::ExampleWindowTest;

TEST_F(TriangleCommandTest, MenuEntryWritesThePictureAndCountsPersons)
{
    QAction* entry = OutputEntry("Dreiecksdiagramm");
    ASSERT_NE(entry, nullptr);
    const std::string path = AnswerSaveAs("dreieck", 1);
    entry->trigger();
    EXPECT_EQ(m_dialogs->dialogsShown.back(), "Einstellungen - Grafik - Dreiecksdiagramm");
    ASSERT_TRUE(std::filesystem::exists(path + ".png"));
    EXPECT_GT(QImage(QString::fromStdString(path + ".png")).width(), 200);
    // The persons of the tree chart: Lena's ancestors, herself and her descendants.
    EXPECT_TRUE(m_dialogs->shown.back().startsWith("F: Personen: 21\nBenötigte Zeit: "))
        << m_dialogs->shown.back().toStdString();
    EXPECT_TRUE(m_dialogs->shown.back().endsWith("Bild anzeigen?"));
    ASSERT_EQ(m_dialogs->offeredFilters.size(), 5u);
    EXPECT_EQ(m_dialogs->offeredFilters[0].caption, "Windows Bitmap (*.bmp)");
    EXPECT_EQ(m_dialogs->offeredFilters[3].caption, "Adobe PDF-Dateien (*.pdf)");
}

TEST_F(TriangleCommandTest, SelectedPersonsTypeChecksTheSelectionAfterTheDialog)
{
    m_dialogs->editDialog = [](QDialog& dialog) {
        static_cast<TriangleDialog&>(dialog).ChooseRadio("", 2);
    };
    m_window->MakeTriangleDiagram();
    EXPECT_EQ(m_window->Settings().Triangle.TreeType, 2);
    EXPECT_EQ(m_dialogs->shown.back(), "I: Keine Personen in der Liste zum Anzeigen!");
}

TEST_F(TriangleCommandTest, EveryControlGroupOfTheDialogHasItsHelpTopic)
{
    TImageSettings settings;
    TriangleDialog dialog(settings, *m_dialogs);
    EXPECT_EQ(BindDialogHelp(m_window->Help(), dialog, HelpDialog::Triangle),
              std::vector<std::string>{});
    EXPECT_EQ(ContextHelp::TopicFor(dialog.Check("Fußzeile")),
              "::/Ausgabe/grafik_dreiecksdiagramm.html#Kommentare");
}

TEST(TriangleDialog, ControlsWriteThroughWithTheirRanges)
{
    TImageSettings settings;
    test::FakeDialogs dialogs;
    settings.Triangle.TreeMaxGen = 99;
    settings.Symbol.Radius = 1;
    TriangleDialog dialog(settings, dialogs);
    dialog.Fill();
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen - Grafik - Dreiecksdiagramm");
    for (const char* group : {"Richtung", "Symbole", "Schrift", "Kommentare",
                              "Beschriftung Personen", "Diagramm", "Linien"})
        EXPECT_NE(dialog.Group(group), nullptr) << group;
    dialog.ChooseRadio("Richtung", 2);
    EXPECT_EQ(settings.Triangle.Alignment, 2);
    EXPECT_EQ(settings.Symbol.Radius, 2) << "the whole dialog written, clamped to 2..25";
    QList<QSpinBox*> generations = dialog.Group("Diagramm")->findChildren<QSpinBox*>();
    ASSERT_EQ(generations.size(), 2);
    generations[1]->setValue(120);
    EXPECT_EQ(settings.Triangle.TreeMaxGenDescendant, 99);
    generations[0]->setValue(3);
    EXPECT_EQ(settings.Triangle.TreeMaxGen, 3);
    dialog.Check("Nachn. in Großbuchst.")->setChecked(true);
    dialog.Check("? für unbek. Daten")->setChecked(true);
    dialog.Check("Fußzeile")->setChecked(true);
    EXPECT_TRUE(settings.Triangle.LabelsSurnameCaps && settings.Triangle.LabelsQuestionMark);
    EXPECT_TRUE(settings.Triangle.CommentFooter);
    EXPECT_FALSE(settings.Tree.CommentFooter);
    EXPECT_TRUE(dialogs.dialogsShown.empty());
}

TEST(TriangleDialog, CustomLabelsOpenTheEditorOnTheTriangleTemplate)
{
    TImageSettings settings;
    settings.Triangle.Label = 3;
    settings.Tree.LabelCustomText = {"<NName>"};
    test::FakeDialogs dialogs;
    TriangleDialog dialog(settings, dialogs);
    dialog.Fill();
    dialog.show();
    EXPECT_TRUE(dialogs.dialogsShown.empty()) << "filling does not open the editor";
    dialog.ChooseRadio("Beschriftung Personen", 0);
    dialogs.editDialog = [](QDialog& editor) {
        static_cast<TemplateEditor&>(editor).Text().setPlainText("<VName>\n<gbs(d)>");
    };
    dialog.ChooseRadio("Beschriftung Personen", 3);
    ASSERT_EQ(dialogs.dialogsShown.size(), 1u);
    EXPECT_EQ(dialogs.dialogsShown[0], "benutzerdefinierte Beschriftung");
    EXPECT_EQ(settings.Triangle.LabelCustomText, (TArrayOfString{"<VName>", "<gbs(d)>"}));
    EXPECT_EQ(settings.Tree.LabelCustomText, (TArrayOfString{"<NName>"}));
}

// The comment group is the one the other chart dialogs build: the headline switch of the
// triangle opens the shared headline editor and sets only the triangle's switch.
TEST(TriangleDialog, HeadlineSwitchOpensTheHeadlineEditor)
{
    TImageSettings settings;
    settings.Triangle.CommentHeadline = false;
    settings.Tree.CommentHeadline = false;
    test::FakeDialogs dialogs;
    TriangleDialog dialog(settings, dialogs);
    dialog.Fill();
    dialog.show();
    dialogs.editDialog = [](QDialog& editor) {
        static_cast<TemplateEditor&>(editor).Text().setPlainText("<Proband>");
    };
    dialog.Check("dynamische Kopfzeile")->setChecked(true);
    ASSERT_EQ(dialogs.dialogsShown.size(), 1u);
    EXPECT_EQ(dialogs.dialogsShown[0], "Kopfzeile");
    EXPECT_EQ(settings.CommentHeadlineText, TArrayOfString{"<Proband>"});
    EXPECT_TRUE(settings.Triangle.CommentHeadline);
    EXPECT_FALSE(settings.Tree.CommentHeadline);
}

}  // namespace
}  // namespace qv
