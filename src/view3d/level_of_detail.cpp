// Per-frame choice between models and their cheap stand-ins, by projected size.
#include "view3d/level_of_detail.h"

#include <algorithm>

#include "view3d/scene_meshes.h"

namespace qv {
namespace {

// The grey of a lit tube seen from the side, averaged over its stripes.
constexpr float kLineGrey = 0.7f;

bool LargeEnough(float radius, float distance, const ScreenScale& screen)
{
    return radius * screen.focalPixels >= screen.minimumPixels * std::max(distance, 1e-6f);
}

}  // namespace

std::vector<float> VisibleSpheres(const std::vector<float>& nodes, const ScreenScale& screen)
{
    std::vector<float> visible;
    for (size_t i = 0; i + 6 <= nodes.size(); i += 6) {
        const QVector3D centre(nodes[i], nodes[i + 1], nodes[i + 2]);
        if (LargeEnough(kSphereRadius, (centre - screen.eye).length(), screen))
            visible.insert(visible.end(), nodes.begin() + long(i), nodes.begin() + long(i) + 6);
    }
    return visible;
}

TubeDetail SplitTubes(const std::vector<float>& tubes, const ScreenScale& screen)
{
    TubeDetail detail;
    for (size_t i = 0; i + 6 <= tubes.size(); i += 6) {
        const QVector3D from(tubes[i], tubes[i + 1], tubes[i + 2]);
        const QVector3D to(tubes[i + 3], tubes[i + 4], tubes[i + 5]);
        // The nearest point decides: a tube that comes close is drawn as a tube all along.
        const QVector3D along = to - from;
        const float t = along.lengthSquared() > 0
                            ? std::clamp(QVector3D::dotProduct(screen.eye - from, along) /
                                             along.lengthSquared(),
                                         0.0f, 1.0f)
                            : 0.0f;
        const float nearest = (from + t * along - screen.eye).length();
        if (LargeEnough(kTubeRadius, nearest, screen)) {
            detail.tubes.insert(detail.tubes.end(), tubes.begin() + long(i),
                                tubes.begin() + long(i) + 6);
            continue;
        }
        for (const QVector3D& end : {from, to})
            detail.lines.insert(detail.lines.end(),
                                {end.x(), end.y(), end.z(), kLineGrey, kLineGrey, kLineGrey});
    }
    return detail;
}

}  // namespace qv
