// Scripted answers to the program's questions, recording what it showed.
#pragma once

#include <deque>
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
    std::optional<SaveChoice> ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                             const QString&) override
    {
        offeredFilters = filters;
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

    std::vector<QString> shown;
    std::vector<QString> opened;
    std::deque<SaveChoice> saveChoices;
    std::deque<bool> yesNo;
    std::vector<SaveFilter> offeredFilters;
    bool openFile = false;

private:
    static bool Take(std::deque<bool>& answers)
    {
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace qv::test
