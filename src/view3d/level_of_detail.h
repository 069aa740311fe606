// What of the scene is worth drawing as a model this frame: spheres and tubes that would be
// smaller than a pixel are left to the node points and to plain lines.
#pragma once

#include <vector>

#include <QVector3D>

namespace qv {

// How a frame's camera turns sizes into pixels: a length s at distance d covers
// s × focalPixels / d pixels.
struct ScreenScale {
    QVector3D eye;
    float focalPixels = 1;
    float minimumPixels = 1;
};

// The node instances (x, y, z, r, g, b) whose spheres are large enough.
std::vector<float> VisibleSpheres(const std::vector<float>& nodes, const ScreenScale& screen);

// Tube instances (from, to) split into those drawn as tubes and, for the thin ones, line
// vertices (x, y, z and a grey r, g, b) for GL_LINES.
struct TubeDetail {
    std::vector<float> tubes;
    std::vector<float> lines;
};
TubeDetail SplitTubes(const std::vector<float>& tubes, const ScreenScale& screen);

}  // namespace qv
