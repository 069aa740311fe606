// Showing preview pictures in a scroll box that follows mouse drags.
#include "gui/preview_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "gui/preview_worker.h"

namespace qv {

PreviewWindow::PreviewWindow(const QString& programDirectory, QWidget* parent)
    : QDialog(parent),
      m_scroll(new QScrollArea(this)),
      m_label(new QLabel(m_scroll)),
      m_worker(new PreviewWorker(Utf8FromQString(programDirectory)))
{
    setWindowTitle("Grafik-Vorschau");
    setModal(false);
    m_scroll->setWidget(m_label);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
    m_label->setCursor(Qt::OpenHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    resize(700, 500);

    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &PreviewWorker::Drawn, this, &PreviewWindow::ShowPicture);
    m_thread.start();
}

PreviewWindow::~PreviewWindow()
{
    m_worker->Abandon();
    m_thread.quit();
    m_thread.wait();
}

void PreviewWindow::RequestPicture(const TImageSettings& settings)
{
    auto copy = std::make_unique<TImageSettings>();
    copy->Assign(settings);
    m_worker->Request(std::move(copy));
    QMetaObject::invokeMethod(m_worker, &PreviewWorker::DrawPending, Qt::QueuedConnection);
}

void PreviewWindow::ShowPicture(const QImage& picture)
{
    m_picture = picture;
    m_label->setPixmap(QPixmap::fromImage(picture));
    m_label->resize(picture.size());
    emit PictureShown();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    bool press = event->type() == QEvent::MouseButtonPress;
    if (watched != m_label || (!press && event->type() != QEvent::MouseMove))
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    QPoint at = mouse->globalPosition().toPoint();
    if (!press && (mouse->buttons() & Qt::LeftButton)) {
        QPoint moved = at - m_dragStart;
        m_scroll->horizontalScrollBar()->setValue(m_scroll->horizontalScrollBar()->value() - moved.x());
        m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->value() - moved.y());
    }
    m_dragStart = at;
    return false;
}

}  // namespace qv
