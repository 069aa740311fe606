// About box contents.
#include "gui/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/program_identity.h"
#include "app/qt_text.h"

namespace qv {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Info");
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel("<b>Quilvane</b>", this);
    name->setAlignment(Qt::AlignCenter);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    name->setFont(large);
    layout->addWidget(name);
    layout->addWidget(new QLabel("Version: " + QStringFromUtf8(ProgramVersion()), this));
    layout->addWidget(new QLabel("Grafik u. Berechnungsprogramm", this));
    layout->addWidget(new QLabel("zur Messung und Darstellung von Ahnenimplex", this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace qv
