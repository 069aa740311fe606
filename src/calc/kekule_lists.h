// Kekule numbers of every person relative to a root: the full lists and the smallest number.
#pragma once

#include <cstdint>
#include <vector>

#include "data/array_types.h"

namespace qv {

class FamilyGraph;
class TAhnenData;

struct KekuleLists {
    TArrayOfArrayOfInt64 Numbers;
    TArrayOfArrayOfInt64 XNumbers;
};

// Whether Kekule number n lies on a line of X-chromosome inheritance: no step from a father
// to his father, and for a male root no first step to the father. 1 always does.
bool IsXKekule(bool rootIsMale, int64_t n);

// Every person's ascending Kekule numbers and their X subset; ancestry above generation 62
// is cut. Throws Error for a cyclic ancestry or one with too many numbers.
KekuleLists ComputeKekuleLists(const TAhnenData& data, int64_t root);

// Every person's smallest Kekule number (0 = neither the root nor its ancestor up to
// generation 62). Each person is settled once, in ascending order of numbers.
std::vector<int64_t> ComputeKekuleMin(const FamilyGraph& graph, int32_t root);

}  // namespace qv
