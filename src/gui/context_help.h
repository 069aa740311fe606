// Context help: the "?" marker that is dragged onto a control to open the control's topic.
#pragma once

#include <string>
#include <vector>

#include <QObject>
#include <QToolButton>

#include "app/help_topics.h"

class QDialog;

namespace qv {

class HelpWindow;

// The MIME type the marker carries; no other program offers it.
inline constexpr const char* kHelpMarkerMime = "application/x-quilvane-hilfe";

// Watches every drag of the marker in the application: a control (or one inside it) with
// a topic accepts the drop, which opens the topic in the help window.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    ContextHelp(const QString& helpDirectory, QWidget* window);
    ~ContextHelp() override;

    // Gives the control (inside its final window) a topic; the controls inside it share it
    // unless they have their own.
    void Register(QWidget* control, const std::string& topic);
    // The topic of the nearest control, from widget outwards, that has one; empty if none.
    static QString TopicFor(const QWidget* widget);
    // Opens the topic's page in the help window.
    void OpenTopic(const std::string& topic);
    HelpWindow& Window() { return *m_window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpWindow* m_window;
};

// The "?" button: pressing it starts dragging the help marker.
class HelpMarkerButton : public QToolButton {
    Q_OBJECT

public:
    explicit HelpMarkerButton(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Gives a settings dialog's controls their topics (found by group title, button text or,
// for the placeholder list, object name) and a "?" button beside its own buttons. Returns
// the captions of the table that no control of the dialog has.
std::vector<std::string> BindDialogHelp(ContextHelp& help, QDialog& dialog, HelpDialog kind);

}  // namespace qv
