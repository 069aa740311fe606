// The sectors of the circle chart in drawing order: every ancestor slot reachable from the
// proband, the father's whole line before the mother's, each person after its ancestors.
#pragma once

#include <cstdint>
#include <vector>

#include "app/color.h"
#include "data/ahnen_data.h"

namespace qv {

inline constexpr TColor kCircleMaleColor = RgbColor(192, 192, 255);
inline constexpr TColor kCircleFemaleColor = RgbColor(255, 192, 192);
inline constexpr TColor kCircleOtherColor = RgbColor(192, 255, 192);
// The colour of a repeated ancestor's second and later sectors.
inline constexpr TColor kCircleDoubleColor = RgbColor(255, 192, 128);

TColor CircleSexColor(char sex);

struct CircleSector {
    int64_t person = -1;
    int32_t depth = 0;
    double from = 0;
    double span = 0;
    TColor color = kCircleOtherColor;
    // 0 for a person's own sector; n for the line standing for the ancestry above a person
    // where the walk stops: from the ring after it through n rings.
    int32_t deepRings = 0;
};

struct CircleWalkRules {
    int32_t rings = 1;
    double start = 0;
    double span = 0;
    bool markRepeated = false;
    // The walk takes no parents of a person at this depth ...
    int32_t lastDepth = INT32_MAX;
    // ... nor of one whose sector is narrower than this many pixels at the outer radius.
    double narrowestWedge = 0;
    int32_t ringWidth = 50;
};

// The sectors in drawing order. Where the walk stops below the outer ring at a person whose
// ancestry reaches further, a deep line (span 0) follows the person's sector in its place.
// Every person the full walk would have reached counts as drawn for the repeated-ancestor
// colour, so stopping early changes no colour.
std::vector<CircleSector> WalkCircleSectors(const TAhnenData& data, int64_t proband,
                                            const CircleWalkRules& rules);

}  // namespace qv
