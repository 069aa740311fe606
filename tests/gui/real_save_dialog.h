// Scripted answers to every question except the save dialog, which is Qt's own, driven
// through its widgets as a user would.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "fake_dialogs.h"

namespace qv::test {

class RealSaveDialogs : public FakeDialogs {
public:
    // What the user does in one showing: pick a file type (-1 leaves it), type a name and
    // press Return; an empty name cancels with Escape.
    struct Typing {
        int filterIndex;
        QString name;
    };
    // What the dialog showed when it opened.
    struct Seen {
        QString directory;
        QString name;
        QString filter;
    };

    std::optional<SaveChoice> ChooseSaveFile(const std::vector<SaveFilter>& filters,
                                             const SaveStart& start) override
    {
        offeredFilters = filters;
        QTimer::singleShot(0, [this] { Drive(); });
        return m_real.ChooseSaveFile(filters, start);
    }

    std::deque<Typing> typing;
    std::vector<Seen> seen;

private:
    void Drive()
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            QTimer::singleShot(10, [this] { Drive(); });
            return;
        }
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!types || !name) {
            ADD_FAILURE() << "no file-type box or name field in the save dialog";
            dialog->reject();
            return;
        }
        // The folder a typed name lands in, which need not be what directory() reports.
        QString folder = QFileInfo(dialog->selectedFiles().value(0)).absolutePath();
        seen.push_back({folder, name->text(), types->currentText()});
        if (typing.empty() || typing.front().name.isEmpty()) {
            if (!typing.empty()) typing.pop_front();
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        // The name field acts on the file list only while it has the focus, as for a user.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog)) ADD_FAILURE() << "the save dialog is not active";
        Typing input = typing.front();
        typing.pop_front();
        if (input.filterIndex >= 0) {
            // The arrow keys walk the closed combo box and activate each entry, as for a user.
            QTest::keyClick(types, Qt::Key_Home);
            for (int i = 0; i < input.filterIndex; ++i) QTest::keyClick(types, Qt::Key_Down);
        }
        name->setFocus();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, input.name);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog did not take " << input.name.toStdString();
            dialog->reject();
        }
    }

    WidgetDialogs m_real{nullptr};
};

}  // namespace qv::test
