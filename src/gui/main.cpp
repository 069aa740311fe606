// quilvane: the desktop program.
#include <iostream>

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "app/install_layout.h"
#include "app/qt_notices.h"
#include "app/qt_text.h"
#include "gui/main_window.h"
#include "gui/program_icon.h"
#include "gui/start_arguments.h"

namespace {

QStringList ArgumentsAfterProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Prints the help or the version where they were asked for.
bool AnsweredInformation(const qv::StartArguments& asked)
{
    if (asked.action == qv::StartArguments::Action::Help)
        std::cout << qv::StartHelpText().toStdString();
    else if (asked.action == qv::StartArguments::Action::Version)
        std::cout << qv::StartVersionText().toStdString();
    else
        return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    qv::SilenceQtNoise();
    // --help and --version answer before Qt starts, so they work without a display.
    if (AnsweredInformation(qv::ParseStartArguments(ArgumentsAfterProgram(argc, argv)))) return 0;
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quilvane");
    QGuiApplication::setDesktopFileName("de.veldrin.quilvane");
    // The application took Qt's own options such as -platform; the rest is ours.
    qv::StartArguments start = qv::ParseStartArguments(QApplication::arguments().mid(1));
    if (start.action == qv::StartArguments::Action::Error) {
        std::cerr << "quilvane: " << start.error.toStdString() << '\n'
                  << qv::StartHelpText().toStdString();
        return 2;
    }
    // The program speaks German, so Qt's own buttons and file dialogs do too.
    QTranslator qtTexts;
    if (qtTexts.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QString programDirectory = QApplication::applicationDirPath();
    QApplication::setWindowIcon(qv::ProgramIcon(
        qv::QStringFromUtf8(qv::IconDirectory(qv::Utf8FromQString(programDirectory)))));
    qv::MainWindow window(programDirectory);
    window.show();
    // Opened once the event loop runs, so the window is on screen behind any message box.
    if (!start.file.isEmpty())
        QTimer::singleShot(0, &window, [&window, &start] { window.OpenDataFile(start.file); });
    return QApplication::exec();
}
