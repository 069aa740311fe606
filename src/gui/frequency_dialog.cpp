// The frequency diagram's settings dialog: one radio group and the two buttons.
#include "gui/frequency_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

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
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Erstellen", QDialogButtonBox::AcceptRole);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_values);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

}  // namespace qv
