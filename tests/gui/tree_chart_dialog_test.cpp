// The tree chart dialog: write-through, ranges, enabling rules and editor triggers.
#include "gui/tree_chart_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "fake_dialogs.h"
#include "gui/template_editor.h"
#include "qt_printers.h"

namespace qv {
namespace {

class TreeChartDialogTest : public testing::Test {
protected:
    TImageSettings m_settings;
    test::FakeDialogs m_dialogs;
};

TEST_F(TreeChartDialogTest, ChangesAreWrittenAtOnceAndFillingClamps)
{
    m_settings.Symbol.Radius = 40;
    m_settings.Tree.Alignment = 1;
    TreeChartDialog dialog(m_settings, m_dialogs);
    dialog.Fill();
    EXPECT_EQ(m_settings.Symbol.Radius, 40) << "filling alone writes nothing";
    dialog.ChooseRadio("Richtung", 3);
    EXPECT_EQ(m_settings.Tree.Alignment, 3);
    EXPECT_EQ(m_settings.Symbol.Radius, 25) << "a change writes the whole dialog, clamped";
    dialog.Check("Proband hervorheben")->setChecked(true);
    EXPECT_TRUE(m_settings.FontHighlight);
}

TEST_F(TreeChartDialogTest, TreeTypeEnablesItsOptions)
{
    TreeChartDialog dialog(m_settings, m_dialogs);
    dialog.Fill();
    EXPECT_TRUE(dialog.Check("Seitenverwandte")->isEnabled());
    EXPECT_FALSE(dialog.Check("minimale Darstellung")->isEnabled());
    dialog.ChooseRadio("", 2);
    EXPECT_EQ(m_settings.Tree.TreeType, 2);
    EXPECT_FALSE(dialog.Check("Seitenverwandte")->isEnabled());
    EXPECT_TRUE(dialog.Check("minimale Darstellung")->isEnabled());
    EXPECT_TRUE(dialog.Check("nur x-chrom. Linien")->isEnabled());
}

TEST_F(TreeChartDialogTest, EditorsOpenOnUserChoicesOnly)
{
    m_settings.Tree.Label = 3;
    m_settings.Tree.LabelCustomText = {"<NName>"};
    TreeChartDialog dialog(m_settings, m_dialogs);
    dialog.Fill();
    dialog.show();
    EXPECT_TRUE(m_dialogs.dialogsShown.empty()) << "filling does not open the editor";

    dialog.ChooseRadio("Beschriftung Personen", 1);
    m_dialogs.editDialog = [](QDialog& editor) {
        static_cast<TemplateEditor&>(editor).Text().setPlainText("<VName>\n<Kekule>");
    };
    dialog.ChooseRadio("Beschriftung Personen", 3);
    ASSERT_EQ(m_dialogs.dialogsShown.size(), 1u);
    EXPECT_EQ(m_dialogs.dialogsShown[0], "benutzerdefinierte Beschriftung");
    EXPECT_EQ(m_settings.Tree.LabelCustomText, (TArrayOfString{"<VName>", "<Kekule>"}));

    m_dialogs.acceptDialogs = false;
    dialog.Check("dynamische Kopfzeile")->setChecked(true);
    EXPECT_EQ(m_dialogs.dialogsShown.back(), "Kopfzeile");
    EXPECT_TRUE(m_settings.Tree.CommentHeadline);
    EXPECT_TRUE(m_settings.CommentHeadlineText.empty()) << "\"Abbrechen\" keeps the old lines";
}

}  // namespace
}  // namespace qv
