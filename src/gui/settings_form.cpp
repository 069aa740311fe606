// Bound controls and the write-through on change.
#include "gui/settings_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
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

QGroupBox* SettingsForm::Group(const QString& title) const
{
    for (QGroupBox* box : findChildren<QGroupBox*>())
        if (box->title() == title) return box;
    return nullptr;
}

QGroupBox* SettingsForm::Box(const QString& title, QWidget* parent, QLayout* layout)
{
    auto* box = new QGroupBox(title, parent);
    box->setLayout(layout);
    return box;
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

}  // namespace qv
