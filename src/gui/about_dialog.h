// The "Info" dialog: program name, version and what the program is for.
#pragma once

#include <QDialog>

namespace qv {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace qv
