// Sectors top-down, weights and angles bottom-up over the ownership tree.
#include "view3d/cone_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

struct Sector {
    double from = 0;
    double to = 0;
};

// max(1 / level, the owned parents' weights added up); every parent after its owner in
// PreOrder, so the reverse order has each parent before it is needed.
std::vector<double> Weights(const Scene3D& scene, const LayoutTree& tree)
{
    std::vector<double> weight(scene.Included.size(), 0.0);
    for (auto it = tree.PreOrder.rbegin(); it != tree.PreOrder.rend(); ++it) {
        double parents = 0;
        for (int64_t parent : tree.OwnedParents[*it])
            if (parent >= 0) parents += weight[parent];
        int32_t level = scene.Level[*it];
        weight[*it] = level > 0 ? std::max(1.0 / level, parents) : parents;
    }
    return weight;
}

// Splits each sector between the owned parents by weight; returns the sector of everyone
// and grows Scale so that every sector's arc is at least 0.3 long once scaled.
std::vector<Sector> Sectors(Scene3D& scene, const LayoutTree& tree,
                            const std::vector<double>& weight)
{
    std::vector<Sector> sector(scene.Included.size());
    sector[scene.Proband] = {0.0, 2 * std::numbers::pi};
    for (int64_t person : tree.PreOrder) {
        const Sector own = sector[person];
        if (scene.Level[person] > 0)
            scene.Scale =
                std::max(scene.Scale, float(0.3 / (scene.Level[person] * (own.to - own.from))));
        const auto [father, mother] = tree.OwnedParents[person];
        double fatherWeight = father >= 0 ? weight[father] : 0.0;
        double motherWeight = mother >= 0 ? weight[mother] : 0.0;
        if (father < 0 && mother < 0) continue;
        double split =
            own.from + (own.to - own.from) * fatherWeight / (fatherWeight + motherWeight);
        if (father >= 0) sector[father] = {own.from, split};
        if (mother >= 0) sector[mother] = {split, own.to};
    }
    return sector;
}

}  // namespace

void LayOutCone(Scene3D& scene, const LayoutTree& tree)
{
    scene.Scale = 0.5f;
    const std::vector<double> weight = Weights(scene, tree);
    const std::vector<Sector> sector = Sectors(scene, tree, weight);
    std::vector<double> angle(scene.Included.size(), 0.0);
    for (auto it = tree.PreOrder.rbegin(); it != tree.PreOrder.rend(); ++it) {
        const int64_t person = *it;
        double sum = 0;
        int owned = 0;
        for (int64_t parent : tree.OwnedParents[person]) {
            if (parent < 0) continue;
            sum += angle[parent];
            ++owned;
        }
        angle[person] = owned > 0 ? sum / owned : (sector[person].from + sector[person].to) / 2;
        const double level = scene.Level[person];
        // The proband stays exactly on the axis (not at -0, which the page would print).
        scene.NodePositions[person] =
            level > 0 ? QVector3D(float(level * std::cos(angle[person])), float(level),
                                  float(level * std::sin(angle[person])))
                      : QVector3D();
    }
    for (int64_t person : tree.PreOrder) scene.NodePositions[person] *= scene.Scale;
    scene.ZoomDistance = scene.Scale * 2.5f * float(scene.MaxLevel);
}

}  // namespace qv
