// A settings dialog whose controls are bound to settings fields: loading fills them,
// every change writes the whole dialog back at once.
#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "app/image_settings.h"
#include "data/array_types.h"

class QAbstractButton;
class QButtonGroup;
class QDialogButtonBox;
class QFormLayout;
class QCheckBox;
class QGroupBox;
class QLayout;
class QSpinBox;

namespace qv {

class TemplateEditor;
class UserDialogs;

class SettingsForm : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Loads every control from the settings (spin edits clamp into their ranges).
    void Fill();
    bool IsFilling() const { return m_filling; }

    // The controls tests and the context help reach, by caption (none when missing).
    QGroupBox* Group(const QString& title) const;
    QCheckBox* Check(const QString& caption) const;
    void ChooseRadio(const QString& groupTitle, int item);

signals:
    // After a change was written to the settings (the preview redraws on it).
    void SettingsChanged();

protected:
    QCheckBox* BindCheck(const QString& caption, bool& field, QWidget* parent);
    template <typename Int>
    QSpinBox* BindSpin(int minimum, int maximum, Int& field, QWidget* parent);
    // Radio buttons in a group box, item i for value i.
    template <typename Int>
    QGroupBox* BindRadios(const QString& title, const QStringList& items, Int& field,
                          QWidget* parent);
    // The columns side by side above "Erstellen" and "Abbrechen"; the button box takes
    // further buttons.
    QDialogButtonBox* LayOutColumns(const QList<QWidget*>& columns);
    // A group box around the layout.
    static QGroupBox* Box(const QString& title, QWidget* parent, QLayout* layout);
    // "Symbole": the radius (2..25), coloured and filled symbols, shared by the charts.
    QGroupBox* BindSymbols(TImageSettings_Symbol& symbol, QWidget* parent);
    // The rows of "Schrift" every chart has: the size (5..100 points) and smoothing.
    QFormLayout* BindFontRows(TImageSettings& settings, QWidget* parent);
    // "Linien": smoothing of the chart's lines.
    QGroupBox* BindLines(bool& antialiasing, QWidget* parent);
    // "Kommentare": the three switches and "Bearbeiten" for the header and footer texts;
    // switching the headline on opens its editor.
    QGroupBox* BindComments(bool& header, bool& footer, bool& headline, TImageSettings& settings,
                            UserDialogs& dialogs, TemplateEditor& headlineEditor,
                            QWidget* parent);
    // Runs `open` when the user (not the filling) turns the button on while it is shown.
    void OpenOnUserChoice(QAbstractButton* button, std::function<void()> open);
    // The template editor, or the header and footer text editor, on the lines; "Übernehmen"
    // takes the edited lines over and counts as a change.
    void EditTemplate(UserDialogs& dialogs, TemplateEditor& editor, TArrayOfString& lines);
    void EditTextBlock(UserDialogs& dialogs, const QString& title, TArrayOfString& lines);
    // Called after loading and after every change: dependent controls' enabling.
    virtual void UpdateEnabling() {}
    void Changed();

private:
    QSpinBox* MakeSpin(int minimum, int maximum, std::function<int()> load,
                       std::function<void(int)> store, QWidget* parent);
    QGroupBox* MakeRadios(const QString& title, const QStringList& items,
                          std::function<int()> load, std::function<void(int)> store,
                          QWidget* parent);

    struct Binding {
        std::function<void()> load;
        std::function<void()> store;
    };
    std::vector<Binding> m_bindings;
    bool m_filling = false;
};

template <typename Int>
QSpinBox* SettingsForm::BindSpin(int minimum, int maximum, Int& field, QWidget* parent)
{
    return MakeSpin(minimum, maximum, [&field] { return static_cast<int>(field); },
                    [&field](int v) { field = static_cast<Int>(v); }, parent);
}

template <typename Int>
QGroupBox* SettingsForm::BindRadios(const QString& title, const QStringList& items, Int& field,
                                    QWidget* parent)
{
    return MakeRadios(title, items, [&field] { return static_cast<int>(field); },
                      [&field](int v) { field = static_cast<Int>(v); }, parent);
}

}  // namespace qv
