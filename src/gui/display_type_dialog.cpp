// A small dialog kept on top, with the list at its fixed place.
#include "gui/display_type_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>

namespace qv {

DisplayTypeDialog::DisplayTypeDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Anzeigetyp wählen");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* text = new QLabel("Anzeigetyp wählen:", this);
    text->move(58, 12);
    m_list = new QComboBox(this);
    for (const char* name : kDisplayTypeNames) m_list->addItem(QString::fromUtf8(name));
    m_list->setGeometry(58, 35, 111, 24);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Abort, this);
    buttons->setGeometry(8, 72, 210, 32);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setFixedSize(226, 112);
}

DisplayType DisplayTypeDialog::Chosen() const
{
    return static_cast<DisplayType>(m_list->currentIndex() + 1);
}

}  // namespace qv
