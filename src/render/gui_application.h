// Fonts and text layout need a QGuiApplication; the batch tool and the tests have none.
#pragma once

namespace qv {

// Creates a process-wide QGuiApplication when none exists, on the offscreen platform unless
// QT_QPA_PLATFORM names another. Call on the main thread before any worker draws; the desktop
// program creates its own QApplication first, which this then uses. Throws Error when a plain
// QCoreApplication exists, since text could not be measured.
void EnsureGuiApplication();

}  // namespace qv
