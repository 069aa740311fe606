// Keeps Qt's start-up chatter off stderr while its warnings that call for action stay.
#pragma once

#include <QMessageLogContext>
#include <QString>

namespace qv {

// True for Qt messages that tell the user nothing to act on, such as the notice that
// XDG_RUNTIME_DIR is unset outside a desktop session.
bool IsQtNoise(QtMsgType type, const QString& message);
// Installs a message handler that drops the noise and passes everything else on.
void SilenceQtNoise();

}  // namespace qv
