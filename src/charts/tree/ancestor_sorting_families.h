// What the sorting passes of the ancestor chart work on: the lines of every family, the
// families a pass tries, and the texts of the passes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// A family with at least one drawn parent and the lines of its drawn children.
struct SortingFamilyLines {
    int64_t Father = -1, Mother = -1;  // drawn parents, -1 when not drawn
    // The row the children's lines meet in: the lower parent row - 1 (at least 0).
    int32_t LineLevel = 0;
    std::vector<int64_t> Children;
};

struct SortingFamilies {
    std::vector<SortingFamilyLines> Lines;  // in family order
    // Rows that hold line segments: 1 + the highest line level.
    int32_t LineRows = 0;
    // Families with both parents drawn, in family order.
    std::vector<int32_t> BothDrawn;
    // Parents' families of drawn persons, both parents drawn, with pedigree collapse above
    // them (only these can change crossings), in the order of the persons.
    std::vector<int32_t> Candidates;
};

SortingFamilies CollectSortingFamilies(const TAhnenData& data, const TArrayOfBoolean& drawn,
                                       const std::vector<int32_t>& rows);

enum class SortingMeasure { LineLength, Crossings, Width };

// The progress text of a pass that starts at the given cost.
std::string SortingPassText(SortingMeasure measure, double start);

// One pass of trials over the families; sets changed when it applied a switch, answers false
// when cancelled.
using SortingPass =
    std::function<bool(SortingMeasure, const std::vector<int32_t>& families, bool& changed)>;

// AT_SORTING 1 repeats line-length passes over the families with both parents drawn; 2 repeats
// crossing passes over the candidates, then width passes; each until a pass changes nothing.
// Nothing is sorted without candidates. False when a pass was cancelled.
bool RunSortingPasses(const SortingFamilies& families, uint8_t sorting, const SortingPass& pass);

}  // namespace qv
