// The 3D scene of a proband's ancestry: who is shown, at which height and where.
#pragma once

#include <cstdint>
#include <vector>

#include <QVector2D>
#include <QVector3D>

#include "data/array_types.h"
#include "view3d/display_type.h"

namespace qv {

class TAhnenData;

struct Scene3D {
    DisplayType Type = DisplayType::Cone;
    int64_t Proband = -1;
    // The proband and all its ancestors.
    TArrayOfBoolean Included;
    // Generation height: 0 for the proband, above every included child otherwise.
    std::vector<int32_t> Level;
    int32_t MaxLevel = 0;
    // Per person; meaningful for included persons only.
    std::vector<QVector3D> NodePositions;
    // Display type 3: the block of each included person (x and z extent).
    std::vector<QVector2D> BlockSizes;
    // The first included child, above which a person is placed; -1 for the proband.
    TArrayOfInt64 LayoutChild;
    float Scale = 1.0f;
    float Gap = 0.2f;
    float ZoomDistance = 0.0f;
    QVector3D InitialFocus;

    bool IsIncluded(int64_t person) const { return person >= 0 && Included[person]; }
    int64_t IncludedCount() const;
};

// Lays out the ancestry of proband (a valid person index) in the given display type.
Scene3D BuildScene(const TAhnenData& data, int64_t proband, DisplayType type);

}  // namespace qv
