// Parsing the desktop program's command line.
#include "gui/start_arguments.h"

#include <QFileInfo>

#include "app/program_identity.h"
#include "app/qt_text.h"

namespace qv {
namespace {

StartArguments Failed(const QString& error)
{
    StartArguments result;
    result.action = StartArguments::Action::Error;
    result.error = error;
    return result;
}

// The first --help or --version before "--", if any.
StartArguments::Action InformationAsked(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == "--") break;
        if (argument == "--help" || argument == "-h") return StartArguments::Action::Help;
        if (argument == "--version" || argument == "-v") return StartArguments::Action::Version;
    }
    return StartArguments::Action::Run;
}

}  // namespace

StartArguments ParseStartArguments(const QStringList& arguments)
{
    StartArguments result;
    result.action = InformationAsked(arguments);
    if (result.action != StartArguments::Action::Run) return result;
    QStringList files;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith('-') && argument != "-") {
            return Failed("unbekannte Option: " + argument);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() > 1) return Failed("nur eine DATEI kann geöffnet werden");
    if (!files.isEmpty()) result.file = QFileInfo(files.front()).absoluteFilePath();
    return result;
}

QString StartHelpText()
{
    return "Aufruf: quilvane [OPTION] [DATEI]\n"
           "Quilvane misst und zeichnet den Ahnenimplex einer Familiendatei.\n"
           "DATEI, eine GEDCOM-Datei (.ged) oder Verschwisterungsliste (.txt), wird beim Start\n"
           "geöffnet. Ohne Fenster arbeitet quilvane-cli.\n\n"
           "Optionen (dazu die von Qt, etwa -platform offscreen):\n"
           "  -h, --help     diese Hilfe zeigen\n"
           "  -v, --version  die Version zeigen\n";
}

QString StartVersionText()
{
    return "quilvane (Quilvane) " + QStringFromUtf8(ProgramVersion()) + "\n";
}

}  // namespace qv
