// Bound controls and the write-through on change.
#include "gui/settings_form.h"

#include <QButtonGroup>
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

#include "gui/template_editor.h"
#include "gui/text_block_editor.h"
#include "gui/user_dialogs.h"

namespace qv {

void SettingsForm::Fill()
{
    m_filling = true;
    for (const Binding& b : m_bindings) b.load();
    UpdateEnabling();
    m_filling = false;
}

void SettingsForm::Changed()
{
    if (m_filling) return;
    for (const Binding& b : m_bindings) b.store();
    UpdateEnabling();
    emit SettingsChanged();
}

QCheckBox* SettingsForm::BindCheck(const QString& caption, bool& field, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    m_bindings.push_back({[box, &field] { box->setChecked(field); },
                          [box, &field] { field = box->isChecked(); }});
    connect(box, &QCheckBox::toggled, this, &SettingsForm::Changed);
    return box;
}

QSpinBox* SettingsForm::MakeSpin(int minimum, int maximum, std::function<int()> load,
                                 std::function<void(int)> store, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    // Loading clamps into the range, which is how the used defaults arise.
    m_bindings.push_back({[spin, load] { spin->setValue(load()); },
                          [spin, store] { store(spin->value()); }});
    connect(spin, &QSpinBox::valueChanged, this, &SettingsForm::Changed);
    return spin;
}

QGroupBox* SettingsForm::MakeRadios(const QString& title, const QStringList& items,
                                    std::function<int()> load, std::function<void(int)> store,
                                    QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], group);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    m_bindings.push_back({[buttons, load] {
                              if (QAbstractButton* b = buttons->button(load())) b->setChecked(true);
                          },
                          [buttons, store] {
                              if (buttons->checkedId() >= 0) store(buttons->checkedId());
                          }});
    connect(buttons, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) Changed();
    });
    return group;
}

QDialogButtonBox* SettingsForm::LayOutColumns(const QList<QWidget*>& columns)
{
    auto* row = new QHBoxLayout;
    for (QWidget* column : columns) row->addWidget(column);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Erstellen", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

QGroupBox* SettingsForm::Box(const QString& title, QWidget* parent, QLayout* layout)
{
    auto* box = new QGroupBox(title, parent);
    box->setLayout(layout);
    return box;
}

QGroupBox* SettingsForm::BindSymbols(TImageSettings_Symbol& symbol, QWidget* parent)
{
    auto* symbols = new QFormLayout;
    QSpinBox* radius = BindSpin(2, 25, symbol.Radius, parent);
    radius->setToolTip("Radius der Symbole in Pixel");
    symbols->addRow("Größe:", radius);
    symbols->addRow(BindCheck("Farbig", symbol.Colored, parent));
    symbols->addRow(BindCheck("gefüllt", symbol.Filled, parent));
    return Box("Symbole", parent, symbols);
}

QFormLayout* SettingsForm::BindFontRows(TImageSettings& settings, QWidget* parent)
{
    auto* font = new QFormLayout;
    font->addRow("Größe:", BindSpin(5, 100, settings.FontSize, parent));
    font->addRow(BindCheck("Kantenglättung", settings.FontAntialiasing, parent));
    return font;
}

QGroupBox* SettingsForm::BindLines(bool& antialiasing, QWidget* parent)
{
    auto* lines = new QVBoxLayout;
    lines->addWidget(BindCheck("Kantenglättung", antialiasing, parent));
    return Box("Linien", parent, lines);
}

QGroupBox* SettingsForm::BindComments(bool& header, bool& footer, bool& headline,
                                      TImageSettings& settings, UserDialogs& dialogs,
                                      TemplateEditor& headlineEditor, QWidget* parent)
{
    auto* comments = new QGridLayout;
    comments->addWidget(BindCheck("Kopfzeile", header, parent), 0, 0);
    comments->addWidget(BindCheck("Fußzeile", footer, parent), 1, 0);
    QCheckBox* dynamic = BindCheck("dynamische Kopfzeile", headline, parent);
    comments->addWidget(dynamic, 2, 0);
    OpenOnUserChoice(dynamic, [this, &settings, &dialogs, &headlineEditor] {
        EditTemplate(dialogs, headlineEditor, settings.CommentHeadlineText);
    });
    auto* editHeader = new QPushButton("Bearbeiten", parent);
    auto* editFooter = new QPushButton("Bearbeiten", parent);
    comments->addWidget(editHeader, 0, 1);
    comments->addWidget(editFooter, 1, 1);
    connect(editHeader, &QPushButton::clicked, this, [this, &settings, &dialogs] {
        EditTextBlock(dialogs, "Kopfzeile", settings.CommentHeaderText);
    });
    connect(editFooter, &QPushButton::clicked, this, [this, &settings, &dialogs] {
        EditTextBlock(dialogs, "Fußzeile", settings.CommentFooterText);
    });
    return Box("Kommentare", parent, comments);
}

void SettingsForm::OpenOnUserChoice(QAbstractButton* button, std::function<void()> open)
{
    connect(button, &QAbstractButton::toggled, this, [this, open](bool on) {
        if (on && !IsFilling() && isVisible()) open();
    });
}

void SettingsForm::EditTemplate(UserDialogs& dialogs, TemplateEditor& editor,
                                TArrayOfString& lines)
{
    editor.Load(lines);
    if (dialogs.RunDialog(editor)) {
        lines = editor.Lines();
        emit SettingsChanged();
    }
}

void SettingsForm::EditTextBlock(UserDialogs& dialogs, const QString& title,
                                 TArrayOfString& lines)
{
    TextBlockEditor editor(title, this);
    editor.Load(lines);
    if (dialogs.RunDialog(editor)) {
        lines = editor.Lines();
        emit SettingsChanged();
    }
}

QGroupBox* SettingsForm::Group(const QString& title) const
{
    for (QGroupBox* box : findChildren<QGroupBox*>())
        if (box->title() == title) return box;
    return nullptr;
}

QCheckBox* SettingsForm::Check(const QString& caption) const
{
    for (QCheckBox* box : findChildren<QCheckBox*>())
        if (box->text() == caption) return box;
    return nullptr;
}

void SettingsForm::ChooseRadio(const QString& groupTitle, int item)
{
    Group(groupTitle)->findChildren<QRadioButton*>()[item]->setChecked(true);
}

}  // namespace qv
