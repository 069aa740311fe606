// The triangle diagram dialog's controls and the editors they open.
#include "gui/triangle_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/placeholder_lists.h"
#include "gui/template_editor.h"
#include "gui/user_dialogs.h"

namespace qv {

TriangleDialog::TriangleDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent)
    : SettingsForm(parent),
      m_settings(settings),
      m_dialogs(dialogs),
      m_personLabelEditor(new TemplateEditor("benutzerdefinierte Beschriftung",
                                             PersonLabelPlaceholders(), this)),
      m_headlineEditor(new TemplateEditor("Kopfzeile", HeadlinePlaceholders(), this))
{
    setWindowTitle("Einstellungen - Grafik - Dreiecksdiagramm");
    LayOutColumns({BuildLeftColumn(), BuildRightColumn()});
    // Choosing "benutzerdefiniert" opens the person label editor.
    OpenOnUserChoice(Group("Beschriftung Personen")->findChildren<QRadioButton*>()[3], [this] {
        EditTemplate(m_dialogs, *m_personLabelEditor, m_settings.Triangle.LabelCustomText);
    });
}

QWidget* TriangleDialog::BuildLeftColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    TriangleSettings& triangle = m_settings.Triangle;
    layout->addWidget(BindRadios(
        "Richtung", {"unten rechts", "oben links", "oben rechts", "unten links"},
        triangle.Alignment, column));
    layout->addWidget(BindSymbols(m_settings.Symbol, column));
    layout->addWidget(Box("Schrift", column, BindFontRows(m_settings, column)));
    layout->addWidget(BindLines(triangle.Antialiasing, column));
    layout->addStretch();
    return column;
}

QWidget* TriangleDialog::BuildRightColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    TriangleSettings& triangle = m_settings.Triangle;
    auto* diagram = new QFormLayout;
    diagram->addRow("Vorfahren:", BindSpin(0, 99, triangle.TreeMaxGen, column));
    diagram->addRow("Nachfahren:", BindSpin(0, 99, triangle.TreeMaxGenDescendant, column));
    diagram->addRow(BindRadios("", {"Vollständig", "Heiratskreise", "ausgewählte Personen"},
                               triangle.TreeType, column));
    layout->addWidget(Box("Diagramm", column, diagram));
    QGroupBox* labels = BindRadios("Beschriftung Personen",
                                   {"keine", "Kekule-Nummern", "Namen", "benutzerdefiniert"},
                                   triangle.Label, column);
    labels->layout()->addWidget(
        BindCheck("Nachn. in Großbuchst.", triangle.LabelsSurnameCaps, labels));
    labels->layout()->addWidget(
        BindCheck("? für unbek. Daten", triangle.LabelsQuestionMark, labels));
    layout->addWidget(labels);
    layout->addWidget(BindComments(triangle.CommentHeader, triangle.CommentFooter,
                                   triangle.CommentHeadline, m_settings, m_dialogs,
                                   *m_headlineEditor, column));
    layout->addStretch();
    return column;
}

}  // namespace qv
