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

}  // namespace

std::optional<SaveTarget> ChooseSaveTarget(UserDialogs& dialogs, TImageSettings& settings,
                                           const std::vector<int>& formats)
{
    std::vector<SaveFilter> filters = SaveFilters(formats);
    for (;;) {
        std::optional<SaveChoice> choice =
            dialogs.ChooseSaveFile(filters, QStringFromUtf8(settings.SaveDirectory));
        if (!choice) return {};
        int index = std::clamp(choice->filterIndex, 0, static_cast<int>(filters.size()) - 1);
        std::string path =
            ApplyExtensionRule(Utf8FromQString(choice->path), FilterExtensions(filters[index]));
        QFileInfo file(QStringFromUtf8(path));
        if (file.exists() &&
            !dialogs.AskYesNo("Datei ersetzen", file.fileName() + " ist bereits vorhanden.\n"
                                                                  "Möchten Sie sie ersetzen?"))
            continue;
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
    std::optional<SaveTarget> target = ChooseSaveTarget(dialogs, settings, command.formats);
    if (!target) return;

    QElapsedTimer timer;
    timer.start();
    ProgressLine& progress = window.Progress();
    progress.CancelRequested = false;
    if (command.busyMode) window.EnterBusy();
    bool finished = false;
    try {
        finished = command.work(target->path, target->filterIndex, progress.Callback()) &&
                   !progress.CancelRequested;
    } catch (const Error& e) {
        if (command.busyMode) window.LeaveBusy();
        progress.Report(QString(), 0, 100);
        dialogs.ShowError(QStringFromUtf8(e.what()));
        return;
    }
    if (command.busyMode) window.LeaveBusy();
    progress.Report(QString(), 0, 100);
    if (!finished) return;
    window.NoteDepthCut();
    QString text = CompletionText(command.countLines(), timer.elapsed(), command.question);
    if (dialogs.ConfirmCompletion(text)) dialogs.OpenWithDefaultApplication(QStringFromUtf8(target->path));
}

}  // namespace qv
