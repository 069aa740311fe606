// The lazily created application object behind font metrics.
#include "render/gui_application.h"

#include <clocale>
#include <cstdlib>

#include <QGuiApplication>

#include "data/error.h"

namespace qv {

void EnsureGuiApplication()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (QCoreApplication::instance())
        throw Error("Schriften sind ohne grafische Anwendung nicht verfügbar.");
    // Text is only measured here, never shown: a display is not needed, and one named by a stale
    // DISPLAY would abort the program.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt keeps references to argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "quilvane";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down during static destruction is unsafe.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    // Qt adopts the user's locale; number texts of the lower layers must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace qv
