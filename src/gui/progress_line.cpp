// Progress display that keeps the window responsive during long work on the main thread.
#include "gui/progress_line.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include "app/qt_text.h"

namespace qv {
namespace {

// Between two showings of the same text; short enough for the bar to move smoothly and for
// "Abbrechen" to answer at once.
constexpr qint64 kShowEveryMs = 20;

}  // namespace

ProgressLine::ProgressLine(QWidget* parent)
    : QWidget(parent), m_bar(new QProgressBar(this)), m_cancel(new QPushButton("Abbrechen", this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar, 1);
    layout->addWidget(m_cancel);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setTextVisible(true);
    m_bar->setFormat(QString());
    m_bar->setValue(0);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, [this] { CancelRequested = true; });
}

bool ProgressLine::Report(const QString& text, int64_t position, int64_t maximum)
{
    if (QThread::currentThread() != thread()) return false;
    if (text == m_bar->format() && m_sinceShown.isValid() && m_sinceShown.elapsed() < kShowEveryMs)
        return CancelRequested;
    m_sinceShown.start();
    // The bar counts in int; scale large maxima down so the position stays in range.
    int scale = 1;
    while (maximum / scale > 1'000'000'000) scale *= 1000;
    m_bar->setFormat(text);
    m_bar->setMaximum(static_cast<int>(std::max<int64_t>(maximum / scale, 1)));
    m_bar->setValue(static_cast<int>(std::clamp<int64_t>(position / scale, 0, m_bar->maximum())));
    QCoreApplication::processEvents();
    return CancelRequested;
}

ProgressCallback ProgressLine::Callback()
{
    return [this](const std::string& text, int64_t position, int64_t maximum) {
        return Report(QStringFromUtf8(text), position, maximum);
    };
}

void ProgressLine::SetCancelVisible(bool visible)
{
    m_cancel->setVisible(visible);
    m_cancel->setEnabled(visible);
    if (visible) m_cancel->setFocus();
}

QString ProgressLine::Text() const
{
    return m_bar->format();
}

}  // namespace qv
