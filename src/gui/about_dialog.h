// The "Info" dialog: program name, version and what the program is for.
#pragma once

#include <QDialog>

namespace qv {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// "1.2.3.4": the program's four-part version number.
QString ProgramVersion();
// "Quilvane 1.2.3.4 by Veldrin": the identification written into PDF files.
QString ProgramIdentification();

}  // namespace qv
