// Colours and light of the 3D scene, shared by the viewer and the WebGL page.
#pragma once

#include <QVector3D>

namespace qv {

inline constexpr float kAmbient = 0.375f;

// The normalised direction towards the light.
inline QVector3D LightDirection()
{
    return QVector3D(0.666f, 1.0f, 0.833f).normalized();
}

// Nodes by sex: "F" red, "M" blue, anything else dark green.
inline QVector3D NodeColour(char sex)
{
    if (sex == 'F') return {1, 0, 0};
    if (sex == 'M') return {0, 0, 1};
    return {0, 0.5f, 0};
}

// Name labels: the light shade of the node colour.
inline QVector3D LabelColour(char sex)
{
    if (sex == 'F') return {1, 0.8f, 0.8f};
    if (sex == 'M') return {0.8f, 0.8f, 1};
    return {0.8f, 1, 0.8f};
}

}  // namespace qv
