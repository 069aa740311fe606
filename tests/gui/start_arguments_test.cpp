// The desktop program's command line, parsed and as the started program answers it.
#include "gui/start_arguments.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace qv {
namespace {

using Action = StartArguments::Action;

TEST(StartArguments, FileHelpVersionAndMistakes)
{
    const QString here = QDir::currentPath();
    struct Case {
        QStringList arguments;
        Action action;
        QString file;
        QString error;
    } cases[] = {
        {{}, Action::Run, "", ""},
        {{"Queen.ged"}, Action::Run, here + "/Queen.ged", ""},
        {{"/daten/Queen.ged"}, Action::Run, "/daten/Queen.ged", ""},
        {{"--help"}, Action::Help, "", ""},
        {{"-h"}, Action::Help, "", ""},
        {{"--version"}, Action::Version, "", ""},
        {{"-v"}, Action::Version, "", ""},
        // Before Qt has taken its own options they must not hide --help or --version.
        {{"-platform", "offscreen", "--version"}, Action::Version, "", ""},
        {{"Queen.ged", "--help"}, Action::Help, "", ""},
        {{"--", "--help"}, Action::Run, here + "/--help", ""},
        {{"--", "-v.ged"}, Action::Run, here + "/-v.ged", ""},
        {{"--bunt"}, Action::Error, "", "unbekannte Option: --bunt"},
        {{"a.ged", "b.ged"}, Action::Error, "", "nur eine DATEI kann geöffnet werden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        StartArguments parsed = ParseStartArguments(c.arguments);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.file, c.file);
        EXPECT_EQ(parsed.error, c.error);
    }
}

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun StartProgram(const QStringList& arguments, bool withDisplay)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!withDisplay) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
    }
    program.setProcessEnvironment(environment);
    program.start(QV_GUI_PATH, arguments);
    program.waitForFinished(60000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

TEST(StartArguments, ProgramAnswersHelpAndVersionWithoutADisplay)
{
    ProgramRun version = StartProgram({"--version"}, false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, StartVersionText());
    EXPECT_TRUE(version.out.startsWith("quilvane (Quilvane) 0.")) << version.out.toStdString();
    EXPECT_EQ(version.err, "");

    ProgramRun help = StartProgram({"--help"}, false);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Aufruf: quilvane [OPTION] [DATEI]\n"));
    EXPECT_EQ(help.err, "");
}

TEST(StartArguments, ProgramRejectsWrongUsageWithStatusTwo)
{
    struct Case {
        QStringList arguments;
        QString error;
    } cases[] = {
        {{"--bunt"}, "unbekannte Option: --bunt"},
        {{"a.ged", "b.ged"}, "nur eine DATEI kann geöffnet werden"},
        // Qt takes its own options first; only the rest is judged.
        {{"-platform", "offscreen", "a.ged", "b.ged"}, "nur eine DATEI kann geöffnet werden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        ProgramRun run = StartProgram(c.arguments, true);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("quilvane: " + c.error + "\n")) << run.err.toStdString();
    }
}

}  // namespace
}  // namespace qv
