// Showing help pages in a text browser.
#include "gui/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/help_topics.h"
#include "app/qt_text.h"

namespace qv {

HelpWindow::HelpWindow(const QString& helpDirectory, QWidget* parent)
    : QDialog(parent), m_directory(helpDirectory), m_browser(new QTextBrowser(this))
{
    setWindowTitle("Quilvane - Hilfe");
    setModal(false);
    auto* back = new QPushButton("Zurück", this);
    auto* forward = new QPushButton("Vor", this);
    auto* contents = new QPushButton("Inhalt", this);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
    m_browser->setOpenExternalLinks(true);
    resize(820, 640);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kHelpContents); });
}

void HelpWindow::ShowTopic(const std::string& topic)
{
    HelpLocation location = ParseHelpTopic(topic);
    QString page = QStringFromUtf8(location.page);
    QString path = QDir(m_directory).filePath(page);
    if (QFileInfo(path).isFile()) {
        QUrl url = QUrl::fromLocalFile(path);
        if (!location.anchor.empty()) url.setFragment(QStringFromUtf8(location.anchor));
        m_browser->setSource(url);
    } else {
        ShowMissing(page);
    }
    FollowModalDialog();
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::Shown() const
{
    return m_browser->source();
}

void HelpWindow::ShowMissing(const QString& page)
{
    m_browser->setHtml("<h2>Hilfeseite nicht gefunden</h2><p>Die Seite <b>" + page.toHtmlEscaped() +
                       "</b> fehlt im Hilfeordner <tt>" + m_directory.toHtmlEscaped() +
                       "</tt>. Bitte installieren Sie das Programm mit seinem Ordner \"" +
                       kHelpFolder + "\" erneut.</p>");
}

void HelpWindow::FollowModalDialog()
{
    // Under a modal settings dialog only another modal window takes clicks.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) return;
    Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() == wanted) return;
    if (isVisible()) hide();
    setWindowModality(wanted);
}

}  // namespace qv
