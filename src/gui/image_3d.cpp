// The viewer's frame loop and mouse handling; the drawing itself is SceneRenderer's.
#include "gui/image_3d.h"

#include <cmath>
#include <numbers>

#include <QCursor>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>

#include "data/ahnen_data.h"
#include "data/error.h"
#include "view3d/marking.h"
#include "view3d/node_label.h"
#include "view3d/node_picking.h"
#include "view3d/scene_colours.h"
#include "view3d/scene_meshes.h"

namespace qv {
namespace {

constexpr float kTurnPerPixel = 0.005f;
constexpr float kPanPerPixel = 0.001f;
constexpr float kZoomPerNotch = 1.1f;
constexpr float kGlidePerTick = 0.998f;

// Far enough to see the whole scene from any zoom the wheel reaches in practice.
float FarPlane(const Scene3D& scene)
{
    float extent = 1;
    for (size_t p = 0; p < scene.Included.size(); ++p)
        if (scene.Included[p]) extent = std::max(extent, scene.NodePositions[p].length());
    return std::max(1000.0f, 20 * (extent + scene.ZoomDistance));
}

}  // namespace

TImage_3D::TImage_3D(const TAhnenData& data, Scene3D scene, QWidget* parent)
    : QOpenGLWidget(parent), m_data(data), m_scene(std::move(scene))
{
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    if (HasNodesAndTubes(m_scene.Type)) m_connections = Connections(m_data, m_scene);
    m_marked.assign(m_scene.Included.size(), false);
    m_focus = m_focusTarget = m_scene.InitialFocus;
    m_zoomDistance = m_scene.ZoomDistance;
    m_farPlane = FarPlane(m_scene);
    // Seen from above: pitched down until the camera's limit stops it.
    m_camera.Turn(0, -std::numbers::pi_v<float>);
    setMouseTracking(true);
    m_frameTimer.setInterval(0);
    connect(&m_frameTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_clock.start();
}

TImage_3D::~TImage_3D()
{
    // The base class destroys the context after this object is gone: no calls back into it.
    if (context()) disconnect(context(), nullptr, this, nullptr);
    ReleaseGraphics();
}

void TImage_3D::ReleaseGraphics()
{
    if (!m_graphicsReady) return;
    m_graphicsReady = false;
    makeCurrent();
    m_renderer.Release();
    doneCurrent();
}

SceneModels TImage_3D::Models(const TArrayOfBoolean* only) const
{
    SceneModels models;
    if (m_scene.Type == DisplayType::Blocks) {
        models.blocks = BlockInstances(m_data, m_scene, only);
        return models;
    }
    models.nodes = NodeInstances(m_data, m_scene, only);
    std::vector<Tube> tubes;
    if (only) {
        tubes = MarkedTubes(m_data, m_scene, m_connections, *only);
    } else {
        for (const FamilyConnection& connection : m_connections)
            for (const Tube& tube : TubesOf(m_data, m_scene, connection)) tubes.push_back(tube);
    }
    models.tubes = TubeInstances(tubes);
    if (!only && m_scene.Type == DisplayType::Cone) models.bands = GenerationBands(m_scene);
    return models;
}

void TImage_3D::initializeGL()
{
    m_models = Models(nullptr);
    try {
        m_renderer.Initialize(m_models);
    } catch (const Error& e) {
        // An OpenGL without what the viewer needs: say so once (after painting), draw nothing.
        m_graphicsFailed = true;
        const QString message = QString::fromStdString(e.what());
        QMetaObject::invokeMethod(
            this, [this, message] { emit GraphicsFailed(message); }, Qt::QueuedConnection);
        return;
    }
    m_graphicsReady = true;
    m_markingChanged = true;
    // The context goes before the widget when the window closes: free the models first.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TImage_3D::ReleaseGraphics,
            Qt::UniqueConnection);
}

FrameView TImage_3D::CurrentView() const
{
    FrameView view;
    view.pixels = size() * devicePixelRatio();
    view.viewProjection = Camera3D::Projection(QSizeF(size()), m_zoomDistance, m_farPlane) *
                          m_camera.View(m_focus, m_zoomDistance);
    view.eye = m_camera.Position(m_focus, m_zoomDistance);
    view.right = m_camera.Right();
    view.up = m_camera.Up();
    view.marked = m_markedPerson >= 0;
    view.blocks = m_scene.Type == DisplayType::Blocks;
    view.dimming = m_dimming;
    for (size_t p = 0; p < m_marked.size(); ++p) {
        if (!m_marked[p]) continue;
        const TPerson& person = m_data.Persons[p];
        view.labels.push_back(
            {int64_t(p), NodeLabelText(person), LabelColour(person.Sex), m_scene.NodePositions[p]});
    }
    return view;
}

void TImage_3D::Glide()
{
    const qint64 now = m_clock.elapsed();
    const float keep = std::pow(kGlidePerTick, float(now - m_lastTick));
    m_lastTick = now;
    m_focus = m_focusTarget + (m_focus - m_focusTarget) * keep;
}

void TImage_3D::paintGL()
{
    if (m_graphicsFailed) return;
    Glide();
    if (m_markingChanged) {
        m_renderer.SetMarked(Models(&m_marked));
        m_markingChanged = false;
    }
    const FrameView view = CurrentView();
    if (HasNodesAndTubes(m_scene.Type)) {
        // Pixels of the supersampled frame; below 1.5 of them a model is not worth drawing.
        const float tangent =
            std::tan(Camera3D::kFieldOfViewDegrees / 2 * std::numbers::pi_v<float> / 180);
        const ScreenScale screen{view.eye, float(view.pixels.height()) / tangent, 1.5f};
        m_renderer.SetDetail(VisibleSpheres(m_models.nodes, screen),
                             SplitTubes(m_models.tubes, screen));
    }
    m_renderer.Render(view, defaultFramebufferObject());
    ++m_frames;
}

void TImage_3D::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    m_lastTick = m_clock.elapsed();
    m_frameTimer.start();
}

void TImage_3D::hideEvent(QHideEvent* event)
{
    m_frameTimer.stop();
    QOpenGLWidget::hideEvent(event);
}

void TImage_3D::MarkPerson(int64_t person)
{
    m_markedPerson = m_scene.IsIncluded(person) ? person : -1;
    m_marked = MarkLinesOfDescent(m_data, m_scene, m_markedPerson);
    m_markingChanged = true;
    update();
}

void TImage_3D::GlideTo(int64_t person)
{
    if (m_scene.IsIncluded(person)) m_focusTarget = m_scene.NodePositions[person];
}

int64_t TImage_3D::PickAt(const QPointF& position) const
{
    return PickNode(m_scene,
                    m_camera.RayThrough(position, QSizeF(size()), m_focus, m_zoomDistance));
}

void TImage_3D::mousePressEvent(QMouseEvent* event)
{
    m_lastPosition = event->position();
    if (event->button() == Qt::RightButton) {
        // Turning starts from the centre, so the cursor never runs into the screen's edge.
        const QPoint centre = rect().center();
        QCursor::setPos(mapToGlobal(centre));
        if (mapFromGlobal(QCursor::pos()) == centre) m_lastPosition = centre;
    } else if (event->button() == Qt::LeftButton) {
        m_pressPosition = event->position();
        m_pressTime.start();
    }
}

void TImage_3D::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    if (!rect().contains(position.toPoint())) return;
    const QPointF delta = position - m_lastPosition;
    m_lastPosition = position;
    if (event->buttons() & Qt::RightButton) {
        m_camera.Turn(-kTurnPerPixel * float(delta.x()), kTurnPerPixel * float(delta.y()));
        const QPoint centre = rect().center();
        QCursor::setPos(mapToGlobal(centre));
        if (mapFromGlobal(QCursor::pos()) == centre) m_lastPosition = centre;
    } else if (event->buttons() & Qt::LeftButton) {
        const QVector3D shift = m_camera.Up() * float(delta.y()) * m_zoomDistance * kPanPerPixel -
                                m_camera.Right() * float(delta.x()) * m_zoomDistance * kPanPerPixel;
        m_focusTarget += shift;
        m_focus += shift;
    }
}

void TImage_3D::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !HasNodesAndTubes(m_scene.Type)) return;
    if (event->position() != m_pressPosition || m_pressTime.elapsed() > kClickMilliseconds) return;
    m_lastPick = PickAt(event->position());
    MarkPerson(m_lastPick);
}

void TImage_3D::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !HasNodesAndTubes(m_scene.Type)) return;
    // The second press of a double click: glide to what the first click picked.
    if (event->position() == m_pressPosition && m_pressTime.elapsed() <= kClickMilliseconds)
        GlideTo(m_lastPick);
    m_pressPosition = event->position();
    m_pressTime.start();
    m_lastPosition = event->position();
}

void TImage_3D::wheelEvent(QWheelEvent* event)
{
    const float notches = float(event->angleDelta().y()) / 120.0f;
    m_zoomDistance *= std::pow(kZoomPerNotch, -notches);
    event->accept();
}

}  // namespace qv
