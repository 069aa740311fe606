// Walks over a proband's ancestry that size the circle chart: its rings, the first gap in the
// ancestry and how far each ancestor's own ancestry reaches.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

// A depth-first walk from the proband, father before mother, numbers every ancestor at its
// first visit and goes no further past one already numbered; the rings are one more than the
// deepest first visit, at least 1 and at most maxRings.
int32_t CircleRingCount(const TAhnenData& data, int64_t proband, int32_t maxRings);

// The smallest depth (the proband's is 0) of a person who lacks a parent family, a father or a
// mother.
int32_t FirstMissingDepth(const TAhnenData& data, int64_t proband);

// For each of the proband's ancestors (and the proband), how many generations its known
// ancestry reaches above it: 0 without parents. Other persons stay 0.
std::vector<int32_t> AncestryHeights(const TAhnenData& data, int64_t proband);

}  // namespace qv
