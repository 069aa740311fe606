// Family points and tubes, in family index order.
#include "view3d/connections.h"

#include <algorithm>

#include "data/ahnen_data.h"

namespace qv {
namespace {

QVector3D ChildrenCentre(const TAhnenData& data, const Scene3D& scene, int32_t family)
{
    QVector3D sum;
    int count = 0;
    for (int64_t child : data.Families[family].Children) {
        if (!scene.IsIncluded(child)) continue;
        sum += scene.NodePositions[child];
        ++count;
    }
    return count > 0 ? sum / float(count) : sum;
}

QVector3D PointBetweenSpouses(const QVector3D& h, const QVector3D& w, const QVector3D& centre)
{
    const float d = (w - h).length();
    // Spouses at one spot (only possible with degenerate layouts) leave no line to project on.
    if (d <= 0) return h;
    const float t0 = QVector3D::dotProduct(centre - h, w - h) / d / d;
    const float m = std::min(0.3f / d, 0.5f);
    const float t = std::max(std::min(t0, 1 - m), m);
    return h + t * (w - h);
}

}  // namespace

std::optional<QVector3D> FamilyPoint(const TAhnenData& data, const Scene3D& scene, int32_t family)
{
    if (family < 0) return std::nullopt;
    const TFamilie& f = data.Families[family];
    const bool husband = scene.IsIncluded(f.Husband);
    const bool wife = scene.IsIncluded(f.Wife);
    if (husband && wife)
        return PointBetweenSpouses(scene.NodePositions[f.Husband], scene.NodePositions[f.Wife],
                                   ChildrenCentre(data, scene, family));
    if (husband) return scene.NodePositions[f.Husband];
    if (wife) return scene.NodePositions[f.Wife];
    return std::nullopt;
}

std::vector<FamilyConnection> Connections(const TAhnenData& data, const Scene3D& scene)
{
    std::vector<FamilyConnection> connections;
    for (size_t f = 0; f < data.Families.size(); ++f) {
        const TFamilie& family = data.Families[f];
        FamilyConnection connection;
        connection.Family = static_cast<int32_t>(f);
        for (int64_t child : family.Children)
            if (scene.IsIncluded(child)) connection.IncludedChildren.push_back(child);
        std::optional<QVector3D> point = FamilyPoint(data, scene, connection.Family);
        if (connection.IncludedChildren.empty() || !point) continue;
        connection.Point = *point;
        connection.BothParents = scene.IsIncluded(family.Husband) && scene.IsIncluded(family.Wife);
        connections.push_back(std::move(connection));
    }
    return connections;
}

std::vector<Tube> TubesOf(const TAhnenData& data, const Scene3D& scene,
                          const FamilyConnection& connection)
{
    std::vector<Tube> tubes;
    const TFamilie& family = data.Families[connection.Family];
    if (connection.BothParents) {
        tubes.push_back({scene.NodePositions[family.Husband], connection.Point});
        tubes.push_back({scene.NodePositions[family.Wife], connection.Point});
    }
    for (int64_t child : connection.IncludedChildren)
        tubes.push_back({connection.Point, scene.NodePositions[child]});
    return tubes;
}

std::vector<Tube> MarkedTubes(const TAhnenData& data, const Scene3D& scene,
                              const std::vector<FamilyConnection>& connections,
                              const TArrayOfBoolean& marked)
{
    std::vector<Tube> tubes;
    for (const FamilyConnection& connection : connections) {
        const TFamilie& family = data.Families[connection.Family];
        const bool husband = scene.IsIncluded(family.Husband) && marked[family.Husband];
        const bool wife = scene.IsIncluded(family.Wife) && marked[family.Wife];
        if (!husband && !wife) continue;
        if (connection.BothParents) {
            if (husband) tubes.push_back({scene.NodePositions[family.Husband], connection.Point});
            if (wife) tubes.push_back({scene.NodePositions[family.Wife], connection.Point});
        }
        for (int64_t child : connection.IncludedChildren)
            tubes.push_back({connection.Point, scene.NodePositions[child]});
    }
    return tubes;
}

}  // namespace qv
