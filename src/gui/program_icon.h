// The program's icon for its windows, from the icon files installed or built with it.
#pragma once

#include <QIcon>
#include <QString>

namespace qv {

// Every iconDirectory/hicolor/<size>/apps/quilvane.png; an empty icon when there is none, so
// the window system's default shows.
QIcon ProgramIcon(const QString& iconDirectory);

}  // namespace qv
