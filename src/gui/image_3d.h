// TImage_3D: the OpenGL view of the 3D scene, with the mouse camera, picking and marking.
#pragma once

#include <cstdint>
#include <vector>

#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QTimer>

#include "gui/scene_renderer.h"
#include "view3d/camera_3d.h"
#include "view3d/connections.h"
#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

class TImage_3D : public QOpenGLWidget {
    Q_OBJECT

public:
    // Two presses within this time at one place make a click, or a double click.
    static constexpr qint64 kClickMilliseconds = 400;

    TImage_3D(const TAhnenData& data, Scene3D scene, QWidget* parent = nullptr);
    ~TImage_3D() override;

    const Scene3D& Scene() const { return m_scene; }
    int64_t MarkedPerson() const { return m_markedPerson; }
    const TArrayOfBoolean& Marked() const { return m_marked; }
    // Marks the lines of descent from person (-1: none) down to the proband.
    void MarkPerson(int64_t person);
    // Lets the focus glide to the person's node.
    void GlideTo(int64_t person);
    // Alpha of the black overlay over the unmarked scene.
    void SetDimming(float alpha) { m_dimming = alpha; }

    const Camera3D& Camera() const { return m_camera; }
    QVector3D Focus() const { return m_focus; }
    QVector3D FocusTarget() const { return m_focusTarget; }
    float ZoomDistance() const { return m_zoomDistance; }
    // Frames drawn so far; the view redraws continuously while shown.
    int64_t FrameCount() const { return m_frames; }

signals:
    // The graphics card lacks what the viewer needs (the message names it).
    void GraphicsFailed(const QString& message);

protected:
    void initializeGL() override;
    void paintGL() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    SceneModels Models(const TArrayOfBoolean* only) const;
    FrameView CurrentView() const;
    void Glide();
    int64_t PickAt(const QPointF& position) const;
    void ReleaseGraphics();

    const TAhnenData& m_data;
    Scene3D m_scene;
    std::vector<FamilyConnection> m_connections;
    // All spheres and tubes; each frame draws those large enough on screen.
    SceneModels m_models;
    Camera3D m_camera;
    QVector3D m_focus;
    QVector3D m_focusTarget;
    float m_zoomDistance = 1;
    float m_farPlane = 1000;
    TArrayOfBoolean m_marked;
    int64_t m_markedPerson = -1;
    bool m_markingChanged = false;
    float m_dimming = 0.8f;

    QPointF m_lastPosition;
    QPointF m_pressPosition;
    QElapsedTimer m_pressTime;
    int64_t m_lastPick = -1;

    QTimer m_frameTimer;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    int64_t m_frames = 0;
    bool m_graphicsReady = false;
    bool m_graphicsFailed = false;
    SceneRenderer m_renderer;
};

}  // namespace qv
