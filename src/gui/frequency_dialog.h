// "Einstellungen - Grafik - Diagramm": which occurrence value the frequency diagram shows.
#pragma once

#include "app/image_settings.h"
#include "gui/settings_form.h"

class QGroupBox;

namespace qv {

class FrequencyDialog : public SettingsForm {
    Q_OBJECT

public:
    explicit FrequencyDialog(TImageSettings& settings, QWidget* parent = nullptr);

    // The radio group "Wert" (DG_VALUE).
    QGroupBox& ValueGroup() { return *m_values; }

private:
    QGroupBox* m_values;
};

}  // namespace qv
