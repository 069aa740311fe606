// The desktop program's command line: one file to open, --help and --version.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

struct StartArguments {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // The file to open at start-up as an absolute path, or empty.
    QString file;
    // What was wrong, for Action::Error.
    QString error;
};

// arguments without the program name. --help and --version win over everything else before
// "--", so they answer even beside options that only Qt understands; after "--" every
// argument is a file name.
StartArguments ParseStartArguments(const QStringList& arguments);
QString StartHelpText();
QString StartVersionText();

}  // namespace qv
