// The help window: the German help pages beside the program, with back, forward and contents.
#pragma once

#include <string>

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace qv {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // helpDirectory holds the pages (the "hilfe" folder beside the executable).
    explicit HelpWindow(const QString& helpDirectory, QWidget* parent = nullptr);

    // Shows the page and anchor of a topic path ("::/oberflaeche.html#Personenliste"); a
    // missing page is reported in the window.
    void ShowTopic(const std::string& topic);
    // The page and anchor now shown (the anchor as the URL's fragment).
    QUrl Shown() const;
    QTextBrowser& Browser() { return *m_browser; }

private:
    void ShowMissing(const QString& page);
    // Keeps the window usable while a modal dialog runs by making it modal too.
    void FollowModalDialog();

    QString m_directory;
    QTextBrowser* m_browser;
};

}  // namespace qv
