// The triangle diagram dialog's controls and the editors they open.
#include "gui/triangle_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/placeholder_lists.h"
#include "gui/template_editor.h"
#include "gui/text_block_editor.h"
#include "gui/user_dialogs.h"

namespace qv {
namespace {

QGroupBox* Box(const QString& title, QWidget* parent, QLayout* layout)
{
    auto* box = new QGroupBox(title, parent);
    box->setLayout(layout);
    return box;
}

}  // namespace

TriangleDialog::TriangleDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent)
    : SettingsForm(parent),
      m_settings(settings),
      m_dialogs(dialogs),
      m_personLabelEditor(new TemplateEditor("benutzerdefinierte Beschriftung",
                                             PersonLabelPlaceholders(), this)),
      m_headlineEditor(new TemplateEditor("Kopfzeile", HeadlinePlaceholders(), this))
{
    setWindowTitle("Einstellungen - Grafik - Dreiecksdiagramm");
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildLeftColumn());
    columns->addWidget(BuildRightColumn());
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Erstellen", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectEditorTriggers();
}

QWidget* TriangleDialog::BuildLeftColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    TriangleSettings& triangle = m_settings.Triangle;
    layout->addWidget(BindRadios(
        "Richtung", {"unten rechts", "oben links", "oben rechts", "unten links"},
        triangle.Alignment, column));
    auto* symbols = new QFormLayout;
    QSpinBox* radius = BindSpin(2, 25, m_settings.Symbol.Radius, column);
    radius->setToolTip("Radius der Symbole in Pixel");
    symbols->addRow("Größe:", radius);
    symbols->addRow(BindCheck("Farbig", m_settings.Symbol.Colored, column));
    symbols->addRow(BindCheck("gefüllt", m_settings.Symbol.Filled, column));
    layout->addWidget(Box("Symbole", column, symbols));
    auto* font = new QFormLayout;
    font->addRow("Größe:", BindSpin(5, 100, m_settings.FontSize, column));
    font->addRow(BindCheck("Kantenglättung", m_settings.FontAntialiasing, column));
    layout->addWidget(Box("Schrift", column, font));
    auto* lines = new QVBoxLayout;
    lines->addWidget(BindCheck("Kantenglättung", triangle.Antialiasing, column));
    layout->addWidget(Box("Linien", column, lines));
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
    layout->addWidget(BuildComments(column));
    layout->addStretch();
    return column;
}

QGroupBox* TriangleDialog::BuildComments(QWidget* parent)
{
    TriangleSettings& triangle = m_settings.Triangle;
    auto* comments = new QGridLayout;
    comments->addWidget(BindCheck("Kopfzeile", triangle.CommentHeader, parent), 0, 0);
    comments->addWidget(BindCheck("Fußzeile", triangle.CommentFooter, parent), 1, 0);
    comments->addWidget(BindCheck("dynamische Kopfzeile", triangle.CommentHeadline, parent), 2, 0);
    auto* editHeader = new QPushButton("Bearbeiten", parent);
    auto* editFooter = new QPushButton("Bearbeiten", parent);
    comments->addWidget(editHeader, 0, 1);
    comments->addWidget(editFooter, 1, 1);
    connect(editHeader, &QPushButton::clicked, this,
            [this] { EditTextBlock("Kopfzeile", m_settings.CommentHeaderText); });
    connect(editFooter, &QPushButton::clicked, this,
            [this] { EditTextBlock("Fußzeile", m_settings.CommentFooterText); });
    return Box("Kommentare", parent, comments);
}

// Choosing "benutzerdefiniert" or switching on the headline opens the matching editor, but
// never while the dialog is being filled or hidden.
void TriangleDialog::ConnectEditorTriggers()
{
    auto trigger = [this](QAbstractButton* button, auto open) {
        connect(button, &QAbstractButton::toggled, this, [this, open](bool on) {
            if (on && !IsFilling() && isVisible()) open();
        });
    };
    trigger(Group("Beschriftung Personen")->findChildren<QRadioButton*>()[3], [this] {
        EditTemplate(*m_personLabelEditor, m_settings.Triangle.LabelCustomText);
    });
    trigger(Check("dynamische Kopfzeile"),
            [this] { EditTemplate(*m_headlineEditor, m_settings.CommentHeadlineText); });
}

void TriangleDialog::EditTemplate(TemplateEditor& editor, TArrayOfString& lines)
{
    editor.Load(lines);
    if (m_dialogs.RunDialog(editor)) {
        lines = editor.Lines();
        emit SettingsChanged();
    }
}

void TriangleDialog::EditTextBlock(const QString& title, TArrayOfString& lines)
{
    TextBlockEditor editor(title, this);
    editor.Load(lines);
    if (m_dialogs.RunDialog(editor)) {
        lines = editor.Lines();
        emit SettingsChanged();
    }
}

QGroupBox* TriangleDialog::Group(const QString& title) const
{
    for (QGroupBox* box : findChildren<QGroupBox*>())
        if (box->title() == title) return box;
    return nullptr;
}

QCheckBox* TriangleDialog::Check(const QString& caption) const
{
    for (QCheckBox* box : findChildren<QCheckBox*>())
        if (box->text() == caption) return box;
    return nullptr;
}

void TriangleDialog::ChooseRadio(const QString& groupTitle, int item)
{
    Group(groupTitle)->findChildren<QRadioButton*>()[item]->setChecked(true);
}

}  // namespace qv
