// Building the scene: included persons, levels, the ownership tree and one of three layouts.
#include "view3d/scene_3d.h"

#include <algorithm>

#include "data/ahnen_data.h"
#include "view3d/ancestry_levels.h"
#include "view3d/cone_layout.h"
#include "view3d/pedigree_rectangles.h"

namespace qv {
namespace {

// A lone proband on the cone would be looked at from distance 0, from inside its own
// sphere, and a zoom factor cannot move the camera away from there.
constexpr float kLoneNodeDistance = 1.0f;

QVector3D FocusOf(const Scene3D& scene)
{
    QVector3D focus = scene.NodePositions[scene.Proband];
    if (scene.Type == DisplayType::Blocks) {
        const QVector2D size = scene.BlockSizes[scene.Proband];
        focus += QVector3D(size.x() / 2, 0, size.y() / 2);
    }
    return focus + QVector3D(0, scene.Scale * 0.5f * float(scene.MaxLevel), 0);
}

}  // namespace

int64_t Scene3D::IncludedCount() const
{
    return std::count(Included.begin(), Included.end(), true);
}

Scene3D BuildScene(const TAhnenData& data, int64_t proband, DisplayType type)
{
    Scene3D scene;
    scene.Type = type;
    scene.Proband = proband;
    scene.Included = IncludedAncestry(data, proband);
    scene.Level = GenerationHeights(data, scene.Included, proband);
    scene.MaxLevel = *std::max_element(scene.Level.begin(), scene.Level.end());
    scene.NodePositions.assign(data.Persons.size(), QVector3D());
    const LayoutTree tree = BuildLayoutTree(data, scene.Included, proband);
    scene.LayoutChild = tree.LayoutChild;
    switch (type) {
        case DisplayType::Cone:
            LayOutCone(scene, tree);
            break;
        case DisplayType::RightAngles:
            LayOutRightAngles(scene, tree);
            break;
        case DisplayType::Blocks:
            LayOutBlocks(scene, tree);
            break;
    }
    if (scene.ZoomDistance <= 0) scene.ZoomDistance = kLoneNodeDistance;
    scene.InitialFocus = FocusOf(scene);
    return scene;
}

}  // namespace qv
