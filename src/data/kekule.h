// Kekule numbers: 1 is the root, 2n the father and 2n + 1 the mother of n.
#pragma once

#include <cstdint>

#include "data/array_types.h"

namespace qv {

class TAhnenData;

// floor(log2 n) for n >= 1; 0 for n <= 1.
int KekuleGeneration(int64_t n);
// The binary digits of n below its leading 1, most significant first.
TKekPath KekulePath(int64_t n);
// The person reached from root along the path of n; -1 when a step has no parent.
int64_t PersonAtKekule(const TAhnenData& data, int64_t root, int64_t n);

}  // namespace qv
