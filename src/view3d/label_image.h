// A name label of the 3D viewer drawn into a picture, to be shown as a texture.
#pragma once

#include <string>

#include <QImage>
#include <QVector3D>

namespace qv {

// The text in "Arial" at size 40 in the given colour over a dark outline, on a transparent
// background just large enough for it. Needs a running QGuiApplication.
QImage LabelImage(const std::string& text, const QVector3D& colour);

}  // namespace qv
