// The viewer window's tool strip at its fixed places, and what its controls do.
#include "gui/view3d_window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/image_settings.h"
#include "app/qt_text.h"
#include "app/save_formats.h"
#include "data/ahnen_data.h"
#include "data/error.h"
#include "gui/image_3d.h"
#include "gui/output_command.h"
#include "gui/user_dialogs.h"
#include "view3d/name_search.h"
#include "view3d/webgl_page.h"

namespace qv {
namespace {

constexpr int kSliderMaximum = 20;
constexpr int kSliderStart = 16;

QFrame* Divider(QWidget* parent, int x)
{
    auto* divider = new QFrame(parent);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(x, 2, 4, 46);
    return divider;
}

QLabel* Label(const QString& text, QWidget* parent, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

View3DWindow::View3DWindow(const TAhnenData& data, Scene3D scene, UserDialogs& dialogs,
                           TImageSettings& settings, QWidget* parent)
    : QDialog(parent), m_data(data), m_dialogs(dialogs), m_settings(settings)
{
    setWindowTitle("3D");
    const bool savable = HasNodesAndTubes(scene.Type);
    m_view = new TImage_3D(data, std::move(scene), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildToolStrip(savable));
    layout->addWidget(m_view, 1);
    connect(m_view, &TImage_3D::GraphicsFailed, this,
            [this](const QString& message) { m_dialogs.ShowError(message); });
    resize(800, 600);
}

QWidget* View3DWindow::BuildToolStrip(bool savable)
{
    auto* strip = new QWidget(this);
    strip->setFixedHeight(50);
    Label("Transparenz - Markierung:", strip, 4, 4);
    m_dimming = new QSlider(Qt::Horizontal, strip);
    m_dimming->setRange(0, kSliderMaximum);
    m_dimming->setValue(kSliderStart);
    m_dimming->setGeometry(4, 22, 160, 22);
    m_dimming->setFocusPolicy(Qt::NoFocus);
    Divider(strip, 164);
    Label("Familienname:", strip, 172, 4);
    m_surname = new QLineEdit(strip);
    m_surname->setGeometry(168, 20, 118, 24);
    Label("Vorname:", strip, 294, 4);
    m_givenNames = new QLineEdit(strip);
    m_givenNames->setGeometry(290, 20, 118, 24);
    m_result = Label(QString(), strip, 414, 22);
    m_result->setFixedWidth(64);
    Divider(strip, 480);
    m_save = new QPushButton("Speichern", strip);
    m_save->setGeometry(488, 20, 90, 26);
    m_save->setVisible(savable);

    connect(m_dimming, &QSlider::valueChanged, this,
            [this](int value) { m_view->SetDimming(float(value) / kSliderMaximum); });
    for (QLineEdit* edit : {m_surname, m_givenNames}) {
        connect(edit, &QLineEdit::textChanged, this, &View3DWindow::UpdateHitCount);
        connect(edit, &QLineEdit::returnPressed, this, &View3DWindow::FindNext);
    }
    connect(m_save, &QPushButton::clicked, this, &View3DWindow::SaveWebGlPage);
    m_view->SetDimming(float(kSliderStart) / kSliderMaximum);
    return strip;
}

void View3DWindow::UpdateHitCount()
{
    const NameSearch search(Utf8FromQString(m_surname->text()),
                            Utf8FromQString(m_givenNames->text()));
    m_result->setText(QStringFromUtf8(HitCountText(search.Count(m_data, m_view->Scene()))));
}

void View3DWindow::FindNext()
{
    const NameSearch search(Utf8FromQString(m_surname->text()),
                            Utf8FromQString(m_givenNames->text()));
    const int64_t found = search.Next(m_data, m_view->Scene(), m_lastFound);
    if (found < 0) return;
    m_lastFound = found;
    m_view->MarkPerson(found);
    m_view->GlideTo(found);
}

void View3DWindow::SaveWebGlPage()
{
    std::optional<SaveTarget> target = ChooseSaveTarget(
        m_dialogs, m_settings, QStringFromUtf8(m_data.FileName), {kFormatHtml});
    if (!target) return;
    try {
        WriteWebGlPage(m_data, m_view->Scene(), target->path);
    } catch (const Error& e) {
        m_dialogs.ShowError(QStringFromUtf8(e.what()));
    }
}

}  // namespace qv
