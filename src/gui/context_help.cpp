// Dragging the help marker, accepting it over controls with a topic, and binding dialogs.
#include "gui/context_help.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>

#include "app/qt_text.h"
#include "gui/help_window.h"

namespace qv {
namespace {

constexpr const char* kTopicProperty = "qvHilfethema";

// The picture under the mouse while the marker is dragged: a question mark on a disc.
QPixmap MarkerPicture()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 255, 200));
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    painter.drawEllipse(QRectF(1.5, 1.5, 21, 21));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, "?");
    return picture;
}

QWidget* FindControl(QDialog& dialog, const QString& caption)
{
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (box->title() == caption) return box;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == caption) return button;
    return dialog.findChild<QWidget*>(caption);
}

}  // namespace

ContextHelp::ContextHelp(const QString& helpDirectory, QWidget* window)
    : QObject(window), m_window(new HelpWindow(helpDirectory, window))
{
    qApp->installEventFilter(this);
}

ContextHelp::~ContextHelp()
{
    qApp->removeEventFilter(this);
}

void ContextHelp::Register(QWidget* control, const std::string& topic)
{
    control->setProperty(kTopicProperty, QStringFromUtf8(topic));
    // The window takes the drag and the topic is looked up under the mouse; the controls
    // themselves keep refusing other drags (a dropped family file goes to the main window).
    control->window()->setAcceptDrops(true);
}

QString ContextHelp::TopicFor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        QVariant topic = widget->property(kTopicProperty);
        if (topic.isValid()) return topic.toString();
        if (widget->isWindow()) break;
    }
    return {};
}

void ContextHelp::OpenTopic(const std::string& topic)
{
    m_window->ShowTopic(topic);
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!watched->isWidgetType() || !drop->mimeData()->hasFormat(kHelpMarkerMime))
        return QObject::eventFilter(watched, event);
    // The drag goes to the innermost widget that takes drops (usually the window); the topic
    // is that of the control under the mouse inside it.
    auto* target = static_cast<QWidget*>(watched);
    QWidget* under = target->childAt(drop->position().toPoint());
    QString topic = TopicFor(under ? under : target);
    if (topic.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) OpenTopic(Utf8FromQString(topic));
    return true;
}

HelpMarkerButton::HelpMarkerButton(QWidget* parent) : QToolButton(parent)
{
    setText("?");
    setAutoRaise(true);
    setCursor(Qt::WhatsThisCursor);
    setToolTip("Hilfe: das Fragezeichen auf ein Element ziehen");
}

void HelpMarkerButton::mousePressEvent(QMouseEvent* event)
{
    QToolButton::mousePressEvent(event);
    auto* data = new QMimeData;
    data->setData(kHelpMarkerMime, QByteArray("?"));
    // The drag owns the data and lives until the marker is dropped or given up.
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(MarkerPicture());
    drag->setHotSpot(QPoint(12, 12));
    drag->exec(Qt::CopyAction);
    setDown(false);
}

std::vector<std::string> BindDialogHelp(ContextHelp& help, QDialog& dialog, HelpDialog kind)
{
    std::vector<std::string> missing;
    dialog.setAcceptDrops(true);
    for (const ControlTopic& control : DialogHelpTopics(kind)) {
        QWidget* widget = FindControl(dialog, QStringFromUtf8(control.caption));
        if (widget)
            help.Register(widget, control.topic);
        else
            missing.push_back(control.caption);
    }
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        auto* marker = new HelpMarkerButton(buttons);
        buttons->addButton(marker, QDialogButtonBox::HelpRole);
        help.Register(marker, kHelpButton);
    }
    return missing;
}

}  // namespace qv
