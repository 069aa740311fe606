// Camera vectors from yaw and pitch, the view and projection matrices and the cursor ray.
#include "view3d/camera_3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {

void Camera3D::Turn(float yaw, float pitch)
{
    const float limit = std::numbers::pi_v<float> / 2 - kPoleMargin;
    m_yaw += yaw;
    m_pitch = std::clamp(m_pitch + pitch, -limit, limit);
}

// (0, 0, -1) pitched around x, then turned around the vertical.
QVector3D Camera3D::Look() const
{
    return QVector3D(-std::cos(m_pitch) * std::sin(m_yaw), std::sin(m_pitch),
                     -std::cos(m_pitch) * std::cos(m_yaw));
}

QVector3D Camera3D::Up() const
{
    return QVector3D(std::sin(m_pitch) * std::sin(m_yaw), std::cos(m_pitch),
                     std::sin(m_pitch) * std::cos(m_yaw));
}

QVector3D Camera3D::Right() const
{
    return QVector3D(std::cos(m_yaw), 0, -std::sin(m_yaw));
}

QVector3D Camera3D::Position(const QVector3D& focus, float distance) const
{
    return focus - Look() * distance;
}

QMatrix4x4 Camera3D::View(const QVector3D& focus, float distance) const
{
    QMatrix4x4 view;
    const QVector3D eye = Position(focus, distance);
    view.lookAt(eye, eye + Look(), Up());
    return view;
}

QMatrix4x4 Camera3D::Projection(const QSizeF& view, float distance, float farPlane)
{
    QMatrix4x4 projection;
    const float aspect = view.height() > 0 ? float(view.width() / view.height()) : 1.0f;
    const float nearPlane = std::clamp(distance / 500, 0.01f, 10.0f);
    projection.perspective(kFieldOfViewDegrees, aspect, nearPlane, farPlane);
    return projection;
}

Ray Camera3D::RayThrough(const QPointF& cursor, const QSizeF& view, const QVector3D& focus,
                         float distance) const
{
    const float width = std::max(1.0f, float(view.width()));
    const float height = std::max(1.0f, float(view.height()));
    const float u = float(cursor.x()) / width * 2 - 1;
    const float v = (height - float(cursor.y())) / height * 2 - 1;
    const float t = std::tan(kFieldOfViewDegrees / 2 * std::numbers::pi_v<float> / 180);
    const QVector3D direction = Look() + t * v * Up() + t * (width / height) * u * Right();
    return {Position(focus, distance), direction.normalized()};
}

float RaySphereDistance(const Ray& ray, const QVector3D& centre, float radius)
{
    const QVector3D k = centre - ray.origin;
    const float along = QVector3D::dotProduct(k, ray.direction);
    const float square = along * along - (k.lengthSquared() - radius * radius);
    if (square < 0) return -1;
    const float root = std::sqrt(square);
    if (along - root >= 0) return along - root;
    // The camera inside the sphere still picks it.
    return along + root >= 0 ? 0.0f : -1.0f;
}

}  // namespace qv
