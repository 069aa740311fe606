// Ray against a sphere around every included node.
#include "view3d/node_picking.h"

namespace qv {

int64_t PickNode(const Scene3D& scene, const Ray& ray)
{
    int64_t nearest = -1;
    float nearestDistance = 0;
    for (size_t p = 0; p < scene.Included.size(); ++p) {
        if (!scene.Included[p]) continue;
        const float distance = RaySphereDistance(ray, scene.NodePositions[p], kNodePickRadius);
        if (distance < 0 || (nearest >= 0 && distance >= nearestDistance)) continue;
        nearest = static_cast<int64_t>(p);
        nearestDistance = distance;
    }
    return nearest;
}

}  // namespace qv
