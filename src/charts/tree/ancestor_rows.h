// The rows of the ancestor chart: generation rows, adjusted so that couples share a row.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"
#include "data/array_types.h"

namespace qv {

// Per person: the number of generations on its shortest line up from the proband (the
// generation of its smallest Kekule number), 0 for the proband and for non-ancestors.
// Unlike Kekule numbers this has no 62-generation limit.
std::vector<int32_t> AncestorGenerations(const TAhnenData& data, int64_t proband);

// The row of every drawn person (-1 for the others). Spouses with drawn children together
// share a row, and every person stands at least one row above each of its drawn children;
// a person in a marriage circle keeps its own row. Cycles in the data cannot hang the walk.
std::vector<int32_t> ComputeAncestorRows(const TAhnenData& data, int64_t proband,
                                         const TArrayOfBoolean& drawn,
                                         const TArrayOfBoolean& inCircle);

}  // namespace qv
