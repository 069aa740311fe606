// Rectangles bottom-up, corners top-down over the ownership tree.
#include "view3d/pedigree_rectangles.h"

#include <algorithm>

namespace qv {
namespace {

// Size (sx, sz) and the anchor (ax, az) measured from the minimum corner.
struct Rectangle {
    float sx = 0.4f;
    float sz = 0.4f;
    float ax = 0.2f;
    float az = 0.2f;
};

bool JoinsAlongX(const Scene3D& scene, int64_t person)
{
    return scene.Level[person] % 2 != 0;
}

// Father first along the joining axis, mother after him, aligned on their anchors across it;
// gap is 0 for the lines and Gap for the blocks (a border of gap and one gap between).
Rectangle Joined(const Rectangle& f, const Rectangle& m, bool alongX, float gap)
{
    if (alongX)
        return {f.sx + m.sx + 3 * gap,
                std::max(f.az, m.az) + std::max(f.sz - f.az, m.sz - m.az) + 2 * gap, f.sx,
                std::max(f.az, m.az)};
    return {std::max(f.ax, m.ax) + std::max(f.sx - f.ax, m.sx - m.ax) + 2 * gap,
            f.sz + m.sz + 3 * gap, std::max(f.ax, m.ax), f.sz};
}

std::vector<Rectangle> Rectangles(const Scene3D& scene, const LayoutTree& tree, float gap)
{
    std::vector<Rectangle> rect(scene.Included.size());
    for (auto it = tree.PreOrder.rbegin(); it != tree.PreOrder.rend(); ++it) {
        const auto [father, mother] = tree.OwnedParents[*it];
        if (father >= 0 && mother >= 0) {
            rect[*it] = Joined(rect[father], rect[mother], JoinsAlongX(scene, *it), gap);
        } else if (father >= 0 || mother >= 0) {
            Rectangle only = rect[father >= 0 ? father : mother];
            rect[*it] = {only.sx + 2 * gap, only.sz + 2 * gap, only.ax + gap, only.az + gap};
        }
    }
    return rect;
}

// The minimum corners of the owned parents' rectangles inside the rectangle at corner.
void PlaceParents(const Scene3D& scene, const LayoutTree& tree, const std::vector<Rectangle>& rect,
                  int64_t person, float gap, std::vector<QVector2D>& corner)
{
    const auto [father, mother] = tree.OwnedParents[person];
    const QVector2D c = corner[person];
    const Rectangle& own = rect[person];
    if (JoinsAlongX(scene, person)) {
        float m = 0;
        for (int64_t parent : {father, mother})
            if (parent >= 0) m = std::max(m, rect[parent].az);
        // After the father's rectangle (own.ax is its width) and one more gap.
        float motherX = father >= 0 ? c.x() + gap + own.ax + gap : c.x() + gap;
        if (father >= 0) corner[father] = {c.x() + gap, c.y() + gap + m - rect[father].az};
        if (mother >= 0) corner[mother] = {motherX, c.y() + gap + m - rect[mother].az};
    } else {
        float m = 0;
        for (int64_t parent : {father, mother})
            if (parent >= 0) m = std::max(m, rect[parent].ax);
        float motherZ = father >= 0 ? c.y() + gap + own.az + gap : c.y() + gap;
        if (father >= 0) corner[father] = {c.x() + gap + m - rect[father].ax, c.y() + gap};
        if (mother >= 0) corner[mother] = {c.x() + gap + m - rect[mother].ax, motherZ};
    }
}

std::vector<QVector2D> Corners(const Scene3D& scene, const LayoutTree& tree,
                               const std::vector<Rectangle>& rect, float gap)
{
    std::vector<QVector2D> corner(scene.Included.size());
    for (int64_t person : tree.PreOrder) PlaceParents(scene, tree, rect, person, gap, corner);
    return corner;
}

}  // namespace

void LayOutRightAngles(Scene3D& scene, const LayoutTree& tree)
{
    const std::vector<Rectangle> rect = Rectangles(scene, tree, 0.0f);
    const std::vector<QVector2D> corner = Corners(scene, tree, rect, 0.0f);
    for (int64_t person : tree.PreOrder) {
        scene.NodePositions[person] =
            QVector3D(corner[person].x() + rect[person].ax, float(scene.Level[person]),
                      corner[person].y() + rect[person].az);
    }
    const Rectangle& p = rect[scene.Proband];
    scene.Scale = 1.0f;
    scene.ZoomDistance = 2 * std::max({0.0f, p.ax, p.az, p.sx - p.ax, p.sz - p.az});
}

void LayOutBlocks(Scene3D& scene, const LayoutTree& tree)
{
    const std::vector<Rectangle> rect = Rectangles(scene, tree, scene.Gap);
    const std::vector<QVector2D> corner = Corners(scene, tree, rect, scene.Gap);
    scene.BlockSizes.assign(scene.Included.size(), QVector2D());
    for (int64_t person : tree.PreOrder) {
        scene.NodePositions[person] =
            QVector3D(corner[person].x(), float(scene.Level[person]), corner[person].y());
        scene.BlockSizes[person] = QVector2D(rect[person].sx, rect[person].sz);
    }
    const Rectangle& p = rect[scene.Proband];
    scene.Scale = 1.0f;
    scene.ZoomDistance = std::max(p.sx, p.sz);
}

}  // namespace qv
