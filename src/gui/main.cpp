// quilvane: the desktop program.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/main_window.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quilvane");
    // The program speaks German, so Qt's own buttons and file dialogs do too.
    QTranslator qtTexts;
    if (qtTexts.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    qv::MainWindow window(QApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
