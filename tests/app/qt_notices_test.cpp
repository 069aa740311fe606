// Qt's start-up chatter is dropped, its warnings that call for action are passed on.
#include "app/qt_notices.h"

#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(QtNotices, OnlyTheRuntimeFolderNoticeIsNoise)
{
    struct Case {
        QtMsgType type;
        const char* message;
        bool noise;
    } cases[] = {
        {QtWarningMsg, "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'",
         true},
        // The same words as an error would mean something went wrong.
        {QtCriticalMsg, "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/x'", false},
        {QtWarningMsg,
         "QStandardPaths: wrong permissions on runtime directory /run/user/0, 0755 "
         "instead of 0700",
         false},
        {QtWarningMsg, "qt.qpa.xcb: could not connect to display :99", false},
        {QtWarningMsg, "QFont::setPointSizeF: Point size <= 0 (0.000000), must be greater than 0",
         false},
        {QtWarningMsg, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(IsQtNoise(c.type, c.message), c.noise);
    }
}

std::vector<QString> g_received;

void Receive(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_received.push_back(message);
}

TEST(QtNotices, FilterPassesTheRestToTheHandlerBeforeIt)
{
    QtMessageHandler before = qInstallMessageHandler(Receive);
    SilenceQtNoise();
    // A second call must not make the filter its own successor.
    SilenceQtNoise();
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'");
    qWarning("QFont: keine Schrift");
    qInstallMessageHandler(before);
    EXPECT_EQ(g_received, std::vector<QString>{"QFont: keine Schrift"});
}

}  // namespace
}  // namespace qv
