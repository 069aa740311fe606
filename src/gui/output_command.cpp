// Running an output command from the checks to the completion message.
#include "gui/output_command.h"

#include <algorithm>
#include <optional>

#include <QElapsedTimer>
#include <QFileInfo>

#include "app/duration_text.h"
#include "app/qt_text.h"
#include "data/error.h"
#include "gui/main_window.h"
#include "gui/progress_line.h"
#include "gui/user_dialogs.h"

namespace qv {
namespace {

bool AnySelected(const SelectionState& state)
{
    return std::find(state.Selected.begin(), state.Selected.end(), true) != state.Selected.end();
}

// The last folder saved to while it exists, else the data file's own.
QString StartFolder(const TImageSettings& settings, const QString& dataPath)
{
    QString last = QStringFromUtf8(settings.SaveDirectory);
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QFileInfo(dataPath).absolutePath();
}

}  // namespace

std::optional<SaveTarget> ChooseSaveTarget(UserDialogs& dialogs, TImageSettings& settings,
                                           const QString& dataPath,
                                           const std::vector<int>& formats)
{
    std::vector<SaveFilter> filters = SaveFilters(formats);
    SaveStart start{StartFolder(settings, dataPath)};
    for (;;) {
        std::optional<SaveChoice> choice = dialogs.ChooseSaveFile(filters, start);
        if (!choice) return {};
        int index = std::clamp(choice->filterIndex, 0, static_cast<int>(filters.size()) - 1);
        std::string path =
            ApplyExtensionRule(Utf8FromQString(choice->path), FilterExtensions(filters[index]));
        QFileInfo file(QStringFromUtf8(path));
        if (file.exists() &&
            !dialogs.AskYesNo("Datei ersetzen", file.fileName() + " ist bereits vorhanden.\n"
                                                                  "Möchten Sie sie ersetzen?")) {
            // "Nein" asks again for the same name and type, so the user only edits it.
            start = {file.absolutePath(), file.fileName(), index};
            continue;
        }
        settings.SaveDirectory = Utf8FromQString(file.absolutePath());
        return SaveTarget{path, index};
    }
}

namespace {

QString CompletionText(const QStringList& countLines, qint64 milliseconds, const QString& question)
{
    QString text;
    for (const QString& line : countLines) text += line + "\n";
    return text + "Benötigte Zeit: " + QStringFromUtf8(DurationText(milliseconds)) + "\n\n" +
           question;
}

// Runs the work in busy mode with progress and cancel; the milliseconds it took, or none when
// it was cancelled or failed (the error shown).
std::optional<qint64> RunWork(MainWindow& window, const OutputCommand& command,
                              const SaveTarget& target)
{
    ProgressLine& progress = window.Progress();
    QElapsedTimer timer;
    timer.start();
    progress.CancelRequested = false;
    if (command.busyMode) window.EnterBusy();
    bool finished = false;
    std::optional<QString> error;
    try {
        finished = command.work(target.path, target.filterIndex, progress.Callback()) &&
                   !progress.CancelRequested;
    } catch (const Error& e) {
        error = QStringFromUtf8(e.what());
    }
    qint64 elapsed = timer.elapsed();
    if (command.busyMode) window.LeaveBusy();
    progress.Report(QString(), 0, 100);
    if (error) window.Dialogs().ShowError(*error);
    if (!finished) return {};
    return elapsed;
}

}  // namespace

void RunOutputCommand(MainWindow& window, const OutputCommand& command)
{
    UserDialogs& dialogs = window.Dialogs();
    TImageSettings& settings = window.Settings();
    if (settings.ProbandIndex < 0) {
        dialogs.ShowInformation("Kein Proband gewählt!");
        return;
    }
    auto selectionMissing = [&] { return command.needsSelection() && !AnySelected(settings); };
    const QString noSelection = "Keine Personen in der Liste zum Anzeigen!";
    if (command.selectionBeforeDialog && selectionMissing()) return dialogs.ShowInformation(noSelection);
    if (command.settingsDialog && !command.settingsDialog()) return;
    if (!command.selectionBeforeDialog && selectionMissing()) return dialogs.ShowInformation(noSelection);
    std::optional<SaveTarget> target =
        ChooseSaveTarget(dialogs, settings, window.DataPath(), command.formats);
    if (!target) return;

    std::optional<qint64> elapsed = RunWork(window, command, *target);
    if (!elapsed) return;
    QString text = CompletionText(command.countLines(), *elapsed, command.question);
    if (dialogs.ConfirmCompletion(text))
        dialogs.OpenWithDefaultApplication(QStringFromUtf8(target->path));
    // Only now, so that the output is whole and the time spent reading is not counted.
    window.NoteDepthCut(command.depthCut());
}

}  // namespace qv
