// The progress bar with its centred text and the "Abbrechen" button of the main window.
#pragma once

#include <atomic>

#include <QElapsedTimer>
#include <QWidget>

#include "data/progress.h"

class QProgressBar;
class QPushButton;

namespace qv {

class ProgressLine : public QWidget {
    Q_OBJECT

public:
    explicit ProgressLine(QWidget* parent = nullptr);

    // Shows the text and position, lets pending window events through (so a click on
    // "Abbrechen" arrives) and answers whether cancelling was asked; does nothing off the
    // main thread. Work that reports faster than a screen can show (the sorting trials of a
    // tree chart report thousands of times a second) is shown a few dozen times a second.
    bool Report(const QString& text, int64_t position, int64_t maximum);
    ProgressCallback Callback();

    // Set by "Abbrechen" and when the main window closes; cleared when a command starts.
    std::atomic<bool> CancelRequested{false};
    void SetCancelVisible(bool visible);
    QPushButton* CancelButton() const { return m_cancel; }
    QString Text() const;

private:
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QElapsedTimer m_sinceShown;
};

}  // namespace qv
