// "Einstellungen - Grafik- Ostrelle/Ahnentafel": the tree chart's settings.
#pragma once

#include "app/image_settings.h"
#include "gui/settings_form.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;

namespace qv {

class TemplateEditor;
class TextBlockEditor;
class UserDialogs;

class TreeChartDialog : public SettingsForm {
    Q_OBJECT

public:
    TreeChartDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

signals:
    void PreviewRequested();

protected:
    void UpdateEnabling() override;

private:
    QWidget* BuildLeftColumn();
    QWidget* BuildMiddleColumn();
    QWidget* BuildRightColumn();
    void ConnectEditorTriggers();

    TImageSettings& m_settings;
    UserDialogs& m_dialogs;
    TemplateEditor* m_personLabelEditor;
    TemplateEditor* m_generationLabelEditor;
    TemplateEditor* m_headlineEditor;
};

}  // namespace qv
