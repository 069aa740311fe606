// The tree chart dialog's controls, their enabling rules and the editors they open.
#include "gui/tree_chart_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/placeholder_lists.h"
#include "gui/template_editor.h"
#include "gui/user_dialogs.h"

namespace qv {
namespace {

QSpinBox* WithHint(QSpinBox* spin, const QString& hint)
{
    spin->setToolTip(hint);
    return spin;
}

}  // namespace

TreeChartDialog::TreeChartDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent)
    : SettingsForm(parent),
      m_settings(settings),
      m_dialogs(dialogs),
      m_personLabelEditor(new TemplateEditor("benutzerdefinierte Beschriftung",
                                             PersonLabelPlaceholders(), this)),
      m_generationLabelEditor(new TemplateEditor("benutzerdefinierte Beschriftung",
                                                 GenerationPlaceholders(), this)),
      m_headlineEditor(new TemplateEditor("Kopfzeile", HeadlinePlaceholders(), this))
{
    setWindowTitle("Einstellungen - Grafik- Ostrelle/Ahnentafel");
    QDialogButtonBox* buttons =
        LayOutColumns({BuildLeftColumn(), BuildMiddleColumn(), BuildRightColumn()});
    QPushButton* preview = buttons->addButton("Vorschau", QDialogButtonBox::ActionRole);
    connect(preview, &QPushButton::clicked, this, &TreeChartDialog::PreviewRequested);
    ConnectEditorTriggers();
}

QWidget* TreeChartDialog::BuildLeftColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    TreeChartSettings& tree = m_settings.Tree;
    layout->addWidget(BindRadios("Richtung",
                                 {"Oben -> Unten", "Unten -> Oben", "Links -> Rechts",
                                  "Rechts -> Links"},
                                 tree.Alignment, column));
    layout->addWidget(BindRadios(
        "Sortierung", {"Keine", "Linienlänge minimieren", "Überschneidungen min."}, tree.Sorting,
        column));
    layout->addWidget(BindSymbols(m_settings.Symbol, column));
    layout->addWidget(BindLines(tree.Antialiasing, column));
    auto* background = new QVBoxLayout;
    background->addWidget(BindCheck("abwechselnd färben", tree.BackgroundColored, column));
    layout->addWidget(Box("Hintergrund", column, background));
    layout->addStretch();
    return column;
}

QWidget* TreeChartDialog::BuildMiddleColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    QFormLayout* font = BindFontRows(m_settings, column);
    font->addRow(BindCheck("Immer im Vordergrund", m_settings.FontStayOnTop, column));
    font->addRow(BindCheck("Proband hervorheben", m_settings.FontHighlight, column));
    layout->addWidget(Box("Schrift", column, font));
    auto* spacing = new QFormLayout;
    spacing->addRow("Personen", WithHint(BindSpin(1, 1000, m_settings.NodeWidth, column),
                                         "Mindestabstand zwischen Knoten einer Generation"));
    spacing->addRow("Generationen", WithHint(BindSpin(1, 1000, m_settings.NodeHeight, column),
                                             "Mindestabstand zwischen Generationen"));
    spacing->addRow(BindCheck("opt. Gen.-Abstand", m_settings.NodeHeightOpt, column));
    spacing->addRow(BindCheck("opt. Personenabstand", m_settings.NodeWidthOpt, column));
    layout->addWidget(Box("Abstände", column, spacing));
    TreeChartSettings& tree = m_settings.Tree;
    auto* treeBox = new QFormLayout;
    treeBox->addRow("Vorfahren:", BindSpin(0, 99, tree.TreeMaxGen, column));
    treeBox->addRow("Nachfahren:", BindSpin(0, 99, tree.TreeMaxGenDescendant, column));
    treeBox->addRow(
        BindRadios("", {"Vollständig", "Heiratskreise", "ausgewählte Personen"}, tree.TreeType,
                   column));
    treeBox->addRow(BindCheck("Seitenverwandte", tree.TreeType0Kindred, column));
    treeBox->addRow(BindCheck("minimale Darstellung", tree.TreeType1Min, column));
    treeBox->addRow(BindCheck("nur x-chrom. Linien", tree.XChromosomalLines, column));
    layout->addWidget(Box("Baum", column, treeBox));
    layout->addStretch();
    return column;
}

QWidget* TreeChartDialog::BuildRightColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    TreeChartSettings& tree = m_settings.Tree;
    layout->addWidget(BindRadios("Beschriftung Generationen", {"keine", "benutzerdefiniert"},
                                 tree.LabelGen, column));
    layout->addWidget(BindRadios("Beschriftung Personen",
                                 {"keine", "Kekule-Nummern", "Namen", "benutzerdefiniert"},
                                 tree.Label, column));
    auto* labels = new QFormLayout;
    labels->addRow("Fußnoten ab", BindSpin(2, 1000000, tree.FootnoteThreshold, column));
    labels->addRow(BindCheck("Nachn. in Großbuchst.", tree.LabelsSurnameCaps, column));
    labels->addRow(BindCheck("? für unbek. Daten", tree.LabelsQuestionMark, column));
    labels->addRow(BindCheck("erweiterte Beschriftung", tree.LabelExt, column));
    layout->addLayout(labels);
    layout->addWidget(BindComments(tree.CommentHeader, tree.CommentFooter, tree.CommentHeadline,
                                   m_settings, m_dialogs, *m_headlineEditor, column));
    layout->addStretch();
    return column;
}

// Choosing "benutzerdefiniert" or switching on the extended labels opens the matching editor.
void TreeChartDialog::ConnectEditorTriggers()
{
    TreeChartSettings& tree = m_settings.Tree;
    OpenOnUserChoice(Group("Beschriftung Personen")->findChildren<QRadioButton*>()[3],
                     [this, &tree] {
                         EditTemplate(m_dialogs, *m_personLabelEditor, tree.LabelCustomText);
                     });
    OpenOnUserChoice(Group("Beschriftung Generationen")->findChildren<QRadioButton*>()[1],
                     [this, &tree] {
                         EditTemplate(m_dialogs, *m_generationLabelEditor, tree.LabelGenCustomText);
                     });
    OpenOnUserChoice(Check("erweiterte Beschriftung"), [this, &tree] {
        EditTemplate(m_dialogs, *m_personLabelEditor, tree.LabelCustomTextExt);
    });
}

void TreeChartDialog::UpdateEnabling()
{
    int type = m_settings.Tree.TreeType;
    Check("Seitenverwandte")->setEnabled(type == 0);
    Check("minimale Darstellung")->setEnabled(type == 1 || type == 2);
    Check("nur x-chrom. Linien")->setEnabled(type == 2);
}

}  // namespace qv
