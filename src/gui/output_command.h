// The one sequence every output command follows: checks, settings dialog, save dialog,
// the work with progress and cancel, and the completion message.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "data/progress.h"

namespace qv {

class MainWindow;
class TImageSettings;
class UserDialogs;

struct OutputCommand {
    std::vector<int> formats;
    // Whether the command needs selected persons; checked before the settings dialog when
    // selectionBeforeDialog is set, else after it.
    std::function<bool()> needsSelection = [] { return false; };
    bool selectionBeforeDialog = false;
    // The settings dialog; false when it was not closed with "Erstellen". Empty: none.
    std::function<bool()> settingsDialog;
    bool busyMode = true;
    // Writes the file; false when the user cancelled. Errors are thrown as qv::Error.
    std::function<bool(const std::string& path, int filterIndex, const ProgressCallback&)> work;
    // Whether the work left out ancestors beyond the 62nd generation on its own, without the
    // calculation engine noticing.
    std::function<bool()> depthCut = [] { return false; };
    // The count lines of the completion message ("Personen: 12").
    std::function<QStringList()> countLines = [] { return QStringList(); };
    QString question = "Datei anzeigen?";
};

void RunOutputCommand(MainWindow& window, const OutputCommand& command);

struct SaveTarget {
    std::string path;
    int filterIndex;
};

// The save dialog again and again until a name is accepted (the extension made one of the
// chosen filter's, an existing file replaced only when the user agrees) or the dialog is
// cancelled; starts in the last folder used, else beside the data file, and remembers the folder.
std::optional<SaveTarget> ChooseSaveTarget(UserDialogs& dialogs, TImageSettings& settings,
                                           const QString& dataPath,
                                           const std::vector<int>& formats);

}  // namespace qv
