// The tubes between the nodes of display types 1 and 2, and the family points they meet at.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QVector3D>

#include "view3d/scene_3d.h"

namespace qv {

class TAhnenData;

struct Tube {
    QVector3D from;
    QVector3D to;
};

// A family with at least one included parent and one included child.
struct FamilyConnection {
    int32_t Family = -1;
    QVector3D Point;  // where the parents' and children's tubes meet
    bool BothParents = false;
    TArrayOfInt64 IncludedChildren;  // in the family's child order
};

// On the husband–wife segment above the centre of the children, at least 0.3 from either
// spouse (halfway when they are closer than 0.6); the one parent's node when only one is
// included; none when no parent is included.
std::optional<QVector3D> FamilyPoint(const TAhnenData& data, const Scene3D& scene, int32_t family);

// Every connected family, in family index order.
std::vector<FamilyConnection> Connections(const TAhnenData& data, const Scene3D& scene);

// The tubes of one family: husband and wife to the family point, then the point to each
// included child.
std::vector<Tube> TubesOf(const TAhnenData& data, const Scene3D& scene,
                          const FamilyConnection& connection);

// The tubes of the marked lines: from each marked parent to its family point, and from there
// to the family's included children.
std::vector<Tube> MarkedTubes(const TAhnenData& data, const Scene3D& scene,
                              const std::vector<FamilyConnection>& connections,
                              const TArrayOfBoolean& marked);

}  // namespace qv
