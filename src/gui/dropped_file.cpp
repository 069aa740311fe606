// Checking what is dragged onto the main window.
#include "gui/dropped_file.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace qv {

QString DroppedDataFile(const QMimeData& data)
{
    if (!data.hasUrls() || data.urls().size() != 1) return {};
    const QUrl& url = data.urls().front();
    if (!url.isLocalFile()) return {};
    QFileInfo file(url.toLocalFile());
    QString suffix = file.suffix().toLower();
    if (!file.isFile() || (suffix != "ged" && suffix != "txt")) return {};
    return file.absoluteFilePath();
}

}  // namespace qv
