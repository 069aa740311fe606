// The Qt message filter.
#include "app/qt_notices.h"

namespace qv {
namespace {

// Outside a desktop session Qt picks a runtime folder of its own and says so on every start;
// warnings about a wrongly owned or permitted runtime folder are left alone.
constexpr const char* kRuntimeFolderNotice = "QStandardPaths: XDG_RUNTIME_DIR not set";

QtMessageHandler g_nextHandler = nullptr;

void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!IsQtNoise(type, message)) g_nextHandler(type, context, message);
}

}  // namespace

bool IsQtNoise(QtMsgType type, const QString& message)
{
    return type == QtWarningMsg && message.startsWith(kRuntimeFolderNotice);
}

void SilenceQtNoise()
{
    QtMessageHandler previous = qInstallMessageHandler(FilterMessage);
    // Installing twice must not make the filter call itself.
    if (previous != FilterMessage) g_nextHandler = previous;
}

}  // namespace qv
