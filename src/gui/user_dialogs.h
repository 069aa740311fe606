// The questions and messages the program puts to the user, behind one interface so that
// tests can answer them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "app/save_formats.h"

class QDialog;
class QWidget;

namespace qv {

struct SaveChoice {
    QString path;     // as typed, before the extension rule
    int filterIndex;  // zero-based index of the chosen filter entry
};

// Where the save dialog opens: its folder, the name in its name field, the chosen entry.
struct SaveStart {
    QString directory;
    QString fileName = "Unbenannt";
    int filterIndex = 0;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowWarning(const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
    // "Datei ersetzen" and the like: true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    // A warning the user may go on after: true for OK, false for Cancel.
    virtual bool ConfirmWarning(const QString& text) = 0;
    virtual std::optional<SaveChoice> ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                                     const SaveStart& start) = 0;
    // The "Fertig!" box: true when the user wants the file opened.
    virtual bool ConfirmCompletion(const QString& text) = 0;
    virtual void OpenWithDefaultApplication(const QString& path) = 0;
    // Shows a modal dialog; true when it was closed with its OK button ("Erstellen").
    virtual bool RunDialog(QDialog& dialog) = 0;
};

// Message boxes, file dialogs and the desktop's default application.
class WidgetDialogs : public UserDialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : m_parent(parent) {}
    void ShowError(const QString& text) override;
    void ShowWarning(const QString& text) override;
    void ShowInformation(const QString& text) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    bool ConfirmWarning(const QString& text) override;
    std::optional<SaveChoice> ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                             const SaveStart& start) override;
    bool ConfirmCompletion(const QString& text) override;
    void OpenWithDefaultApplication(const QString& path) override;
    bool RunDialog(QDialog& dialog) override;

private:
    QWidget* m_parent;
};

}  // namespace qv
