// Scripted answers to the program's questions, recording what it showed.
#pragma once

#include <deque>
#include <functional>

#include <QDialog>
#include <vector>

#include "gui/user_dialogs.h"

namespace qv::test {

class FakeDialogs : public UserDialogs {
public:
    void ShowError(const QString& text) override { shown.push_back("E: " + text); }
    void ShowWarning(const QString& text) override { shown.push_back("W: " + text); }
    void ShowInformation(const QString& text) override { shown.push_back("I: " + text); }
    bool AskYesNo(const QString& title, const QString& text) override
    {
        shown.push_back("Q: " + title + ": " + text);
        return yesNo.empty() ? false : Take(yesNo);
    }
    bool ConfirmWarning(const QString& text) override
    {
        shown.push_back("W?: " + text);
        return okCancel.empty() ? true : Take(okCancel);
    }
    std::optional<SaveChoice> ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                             const SaveStart& start) override
    {
        offeredFilters = filters;
        starts.push_back(start);
        if (saveChoices.empty()) return {};
        SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }
    bool ConfirmCompletion(const QString& text) override
    {
        shown.push_back("F: " + text);
        return openFile;
    }
    void OpenWithDefaultApplication(const QString& path) override { opened.push_back(path); }
    // Lets the test edit the dialog as a user would, then answers "Erstellen" or not.
    bool RunDialog(QDialog& dialog) override
    {
        dialogsShown.push_back(dialog.windowTitle());
        if (editDialog) editDialog(dialog);
        return acceptDialogs;
    }

    std::vector<QString> shown;
    std::vector<QString> opened;
    std::deque<SaveChoice> saveChoices;
    std::deque<bool> yesNo;
    std::deque<bool> okCancel;
    std::vector<SaveFilter> offeredFilters;
    std::vector<SaveStart> starts;
    bool openFile = false;
    std::vector<QString> dialogsShown;
    std::function<void(QDialog&)> editDialog;
    bool acceptDialogs = true;

private:
    static bool Take(std::deque<bool>& answers)
    {
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace qv::test
