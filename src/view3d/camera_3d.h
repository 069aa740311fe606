// The orbiting camera of the 3D view: where it looks from, and the ray under the cursor.
#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>
#include <QVector3D>

namespace qv {

struct Ray {
    QVector3D origin;
    QVector3D direction;
};

class Camera3D {
public:
    // Vertical field of view of the perspective.
    static constexpr float kFieldOfViewDegrees = 60.0f;
    // How close the look direction may come to straight up or down.
    static constexpr float kPoleMargin = 0.04f;

    // Looking along -z with the vertical as up direction.
    Camera3D() = default;

    // Yaw around the vertical axis, then pitch around the camera's horizontal axis; the pitch
    // stops kPoleMargin short of the poles.
    void Turn(float yaw, float pitch);
    float Yaw() const { return m_yaw; }
    float Pitch() const { return m_pitch; }

    QVector3D Look() const;
    QVector3D Up() const;
    QVector3D Right() const;
    // Distance away from focus, against the look direction.
    QVector3D Position(const QVector3D& focus, float distance) const;
    QMatrix4x4 View(const QVector3D& focus, float distance) const;
    // The near plane follows the distance, so that depth precision is spent where the scene is.
    static QMatrix4x4 Projection(const QSizeF& view, float distance, float farPlane);

    // The ray from the camera through a point of the view (pixels, y downwards).
    Ray RayThrough(const QPointF& cursor, const QSizeF& view, const QVector3D& focus,
                   float distance) const;

private:
    float m_yaw = 0;
    float m_pitch = 0;
};

// The distance along the ray to the first point of the sphere, or a negative number when the
// ray (forward from its origin) misses it.
float RaySphereDistance(const Ray& ray, const QVector3D& centre, float radius);

}  // namespace qv
