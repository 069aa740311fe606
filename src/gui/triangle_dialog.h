// "Einstellungen - Grafik - Dreiecksdiagramm": the triangle diagram's settings.
#pragma once

#include "app/image_settings.h"
#include "gui/settings_form.h"

namespace qv {

class TemplateEditor;
class UserDialogs;

class TriangleDialog : public SettingsForm {
    Q_OBJECT

public:
    TriangleDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    QWidget* BuildLeftColumn();
    QWidget* BuildRightColumn();

    TImageSettings& m_settings;
    UserDialogs& m_dialogs;
    TemplateEditor* m_personLabelEditor;
    TemplateEditor* m_headlineEditor;
};

}  // namespace qv
