// Which family file, if any, a drag onto the main window carries.
#pragma once

#include <QString>

class QMimeData;

namespace qv {

// The local path when the drag holds exactly one existing .ged or .txt file (in any case),
// else empty: the window holds one family file at a time.
QString DroppedDataFile(const QMimeData& data);

}  // namespace qv
