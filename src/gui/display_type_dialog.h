// "Anzeigetyp wählen": which of the three 3D layouts to open.
#pragma once

#include <QDialog>

#include "view3d/display_type.h"

class QComboBox;

namespace qv {

class DisplayTypeDialog : public QDialog {
    Q_OBJECT

public:
    explicit DisplayTypeDialog(QWidget* parent = nullptr);

    QComboBox& List() { return *m_list; }
    DisplayType Chosen() const;

private:
    QComboBox* m_list = nullptr;
};

}  // namespace qv
