// Loading the icon sizes.
#include "gui/program_icon.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

QIcon ProgramIcon(const QString& iconDirectory)
{
    QIcon icon;
    QDir theme(iconDirectory + "/hicolor");
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QString path = theme.filePath(size + "/apps/quilvane.png");
        if (QFileInfo(path).isFile()) icon.addFile(path);
    }
    return icon;
}

}  // namespace qv
