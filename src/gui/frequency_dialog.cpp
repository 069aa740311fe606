// The frequency diagram's settings dialog: one radio group and the two buttons.
#include "gui/frequency_dialog.h"

#include <QGroupBox>

#include "app/qt_text.h"
#include "charts/frequency/frequency_values.h"

namespace qv {
namespace {

QStringList ValueNames()
{
    QStringList names;
    for (int32_t value = 0; !FrequencyValueName(value).empty(); ++value)
        names << QStringFromUtf8(FrequencyValueName(value));
    return names;
}

}  // namespace

FrequencyDialog::FrequencyDialog(TImageSettings& settings, QWidget* parent)
    : SettingsForm(parent),
      m_values(BindRadios("Wert", ValueNames(), settings.FrequencyValue, this))
{
    setWindowTitle("Einstellungen - Grafik - Diagramm");
    LayOutColumns({m_values});
}

}  // namespace qv
