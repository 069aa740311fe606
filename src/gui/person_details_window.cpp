// The details window's controls, the number clicks and saving texts and picture.
#include "gui/person_details_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/image_settings.h"
#include "app/qt_text.h"
#include "calc/family_document.h"
#include "data/atomic_file.h"
#include "data/error.h"
#include "gui/kekule_picture_worker.h"
#include "gui/output_command.h"
#include "gui/user_dialogs.h"
#include "render/bitmap_file.h"
#include "tables/rtf_document.h"

namespace qv {
namespace {

constexpr int kPictureAreaWidth = 200;

QTextEdit* RichTextArea(const QString& name, QWidget* parent)
{
    auto* area = new QTextEdit(parent);
    area->setObjectName(name);
    area->setReadOnly(true);
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    area->setLineWrapMode(QTextEdit::NoWrap);
    return area;
}

}  // namespace

PersonDetailsWindow::PersonDetailsWindow(TImageSettings& settings,
                                         std::function<UserDialogs&()> dialogs, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_dialogs(std::move(dialogs)),
      m_details(RichTextArea("Daten", this)),
      m_numbers(RichTextArea("Kekule", this)),
      m_scroll(new QScrollArea(this)),
      m_pictureLabel(new QLabel(m_scroll)),
      m_worker(new KekulePictureWorker)
{
    setWindowTitle("Details");
    BuildLayout();
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &KekulePictureWorker::Drawn, this, &PersonDetailsWindow::ShowPicture);
    m_thread.start();
}

PersonDetailsWindow::~PersonDetailsWindow()
{
    m_worker->Abandon();
    m_thread.quit();
    m_thread.wait();
}

void PersonDetailsWindow::BuildLayout()
{
    auto* full = new QPushButton("vollständige Kekulenummernliste", this);
    auto* xOnly = new QPushButton("X-Chromosomale Kekulenummern", this);
    auto* detailed = new QPushButton("Detailierte Werte berechnen", this);
    auto* close = new QPushButton("Schließen", this);
    m_scroll->setWidget(m_pictureLabel);
    m_scroll->setContextMenuPolicy(Qt::CustomContextMenu);
    m_scroll->setMinimumWidth(kPictureAreaWidth);
    m_details->setMinimumWidth(340);
    m_numbers->setMinimumWidth(260);
    auto* areas = new QHBoxLayout;
    areas->addWidget(m_details, 3);
    areas->addWidget(m_numbers, 2);
    areas->addWidget(m_scroll, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(full);
    buttons->addWidget(xOnly);
    buttons->addWidget(detailed);
    buttons->addWidget(new QLabel("(Achtung: kann sehr lange dauern)", this));
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(areas, 1);
    layout->addLayout(buttons);
    resize(1000, 600);

    connect(full, &QPushButton::clicked, this, [this] { ShowKekuleNumbers(KekuleListKind::All); });
    connect(xOnly, &QPushButton::clicked, this,
            [this] { ShowKekuleNumbers(KekuleListKind::XChromosomal); });
    connect(detailed, &QPushButton::clicked, this, &PersonDetailsWindow::DescribeDetailed);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_numbers->viewport()->installEventFilter(this);
    for (QWidget* area : {static_cast<QWidget*>(m_details), static_cast<QWidget*>(m_numbers),
                          static_cast<QWidget*>(m_scroll)})
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, area] { OfferSaving(area); });
}

QPushButton* PersonDetailsWindow::Button(const QString& caption) const
{
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

bool PersonDetailsWindow::ShowPerson(FamilyDocument& document, int64_t person)
{
    StopWorker();
    m_document = &document;
    m_person = person;
    m_numbers->clear();
    m_numbersRtf.clear();
    m_numberList = {};
    m_picture = QImage();
    m_scroll->setMinimumWidth(kPictureAreaWidth);
    m_pictureLabel->clear();
    m_pictureLabel->resize(0, 0);
    Describe(DetailsLevel::Basic);
    return !m_detailsRtf.empty();
}

void PersonDetailsWindow::DescribeDetailed()
{
    Describe(DetailsLevel::Detailed);
}

void PersonDetailsWindow::Describe(DetailsLevel level)
{
    if (!m_document) return;
    const TAhnenData& data = m_document->Data();
    setWindowTitle(QStringFromUtf8(DetailsCaption(data, m_settings)));
    // The engine's progress lets window events through; no second click may start meanwhile.
    setEnabled(false);
    m_detailsRtf.clear();
    m_details->clear();
    try {
        std::optional<std::string> rtf =
            DescribePerson(m_document->Calc(), m_settings, m_person, level);
        if (rtf) {
            m_detailsRtf = *rtf;
            LoadRtf(m_detailsRtf, *m_details->document());
        }
    } catch (const Error& e) {
        m_dialogs().ShowError(QStringFromUtf8(e.what()));
    }
    m_root = m_document->Calc().Proband();
    setEnabled(true);
}

void PersonDetailsWindow::ShowKekuleNumbers(KekuleListKind kind)
{
    if (!m_document) return;
    TCalcClass& calc = m_document->Calc();
    const TAhnenData& data = m_document->Data();
    bool male = m_root >= 0 && data.Persons[m_root].Sex == 'M';
    const char* name = kind == KekuleListKind::XChromosomal ? "kekulex" : "kekule";
    m_numberList = BuildKekuleNumberList(calc.GetValueArray(name, m_person), male, kind);
    m_numbersRtf = m_numberList.rtf;
    LoadRtf(m_numbersRtf, *m_numbers->document());
}

void PersonDetailsWindow::ClickNumberAt(int64_t position)
{
    if (!m_document || m_root < 0) return;
    int64_t number = KekuleNumberAt(m_numberList.ranges, position);
    m_worker->Request(m_document->Data(), m_root, number);
    QMetaObject::invokeMethod(m_worker, &KekulePictureWorker::DrawPending, Qt::QueuedConnection);
}

void PersonDetailsWindow::ShowPicture(const QImage& picture, quint64 request)
{
    if (request != m_worker->LatestRequest()) return;
    m_picture = picture;
    m_pictureLabel->setPixmap(QPixmap::fromImage(picture));
    m_pictureLabel->resize(picture.size());
    // Wide enough for the picture, a vertical scroll bar and a little room, within the screen.
    int wanted = picture.width() + m_scroll->verticalScrollBar()->sizeHint().width() + 4;
    if (QScreen* screen = this->screen())
        wanted =
            std::min(wanted, screen->availableGeometry().width() - (width() - m_scroll->width()));
    int missing = wanted - m_scroll->width();
    if (missing > 0) {
        m_scroll->setMinimumWidth(wanted);
        resize(width() + missing, height());
    }
    emit PictureShown();
}

bool PersonDetailsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_numbers->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            ClickNumberAt(m_numbers->cursorForPosition(mouse->position().toPoint()).position());
    }
    return QDialog::eventFilter(watched, event);
}

void PersonDetailsWindow::done(int result)
{
    StopWorker();
    QDialog::done(result);
}

void PersonDetailsWindow::StopWorker()
{
    m_worker->Abandon();
    // Returns once the worker has finished whatever it was drawing.
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void PersonDetailsWindow::OfferSaving(QWidget* area)
{
    QMenu menu(this);
    QAction* save = menu.addAction("Speichern");
    if (menu.exec(QCursor::pos()) != save) return;
    if (area == m_scroll)
        SavePicture();
    else
        SaveText(area == m_details ? m_detailsRtf : m_numbersRtf);
}

QString PersonDetailsWindow::DataPath() const
{
    return m_document ? QStringFromUtf8(m_document->Data().FileName) : QString();
}

void PersonDetailsWindow::SavePicture()
{
    if (m_picture.isNull()) return;
    std::optional<SaveTarget> target =
        ChooseSaveTarget(m_dialogs(), m_settings, DataPath(), {kFormatPng, kFormatBmp});
    if (!target) return;
    try {
        SaveChartBitmap(target->path, Bitmap(m_picture));
    } catch (const Error& e) {
        m_dialogs().ShowError(QStringFromUtf8(e.what()));
    }
}

void PersonDetailsWindow::SaveText(const std::string& rtf)
{
    if (rtf.empty()) return;
    std::optional<SaveTarget> target =
        ChooseSaveTarget(m_dialogs(), m_settings, DataPath(), {kFormatRtf});
    if (!target) return;
    try {
        WriteFileAtomically(target->path, rtf);
    } catch (const Error& e) {
        m_dialogs().ShowError(QStringFromUtf8(e.what()));
    }
}

}  // namespace qv
