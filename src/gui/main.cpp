// quilvane: the desktop program.
#include <QApplication>

#include "data/error.h"
#include "gui/main_window.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quilvane");
    qv::MainWindow window(QApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
