// "Einstellungen - Grafik - Dreiecksdiagramm": the triangle diagram's settings.
#pragma once

#include "app/image_settings.h"
#include "gui/settings_form.h"

class QCheckBox;
class QGroupBox;

namespace qv {

class TemplateEditor;
class UserDialogs;

class TriangleDialog : public SettingsForm {
    Q_OBJECT

public:
    TriangleDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The controls tests reach.
    QGroupBox* Group(const QString& title) const;
    QCheckBox* Check(const QString& caption) const;
    void ChooseRadio(const QString& groupTitle, int item);

private:
    QWidget* BuildLeftColumn();
    QWidget* BuildRightColumn();
    QGroupBox* BuildComments(QWidget* parent);
    void ConnectEditorTriggers();
    void EditTemplate(TemplateEditor& editor, TArrayOfString& lines);
    void EditTextBlock(const QString& title, TArrayOfString& lines);

    TImageSettings& m_settings;
    UserDialogs& m_dialogs;
    TemplateEditor* m_personLabelEditor;
    TemplateEditor* m_headlineEditor;
};

}  // namespace qv
