// "Einstellungen - Grafik - Kreisahnentafel": the circle chart's settings.
#pragma once

#include "app/image_settings.h"
#include "gui/settings_form.h"

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace qv {

class TemplateEditor;
class UserDialogs;

class CircleChartDialog : public SettingsForm {
    Q_OBJECT

public:
    CircleChartDialog(TImageSettings& settings, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The controls tests reach: a check box or spin edit in the group of this title.
    QCheckBox* Check(const QString& groupTitle, const QString& caption) const;
    QSpinBox* Spin(const QString& groupTitle) const;
    // "Bearbeiten" of the header (0) or the footer (1).
    QPushButton* EditButton(int block) const;

private:
    QWidget* BuildLeftColumn();
    QWidget* BuildRightColumn();

    TImageSettings& m_settings;
    UserDialogs& m_dialogs;
    TemplateEditor* m_headlineEditor;
};

}  // namespace qv
