// The working copy of the collateral-relatives mode ("Seitenverwandte"): every ancestor of the
// proband hangs below one placeholder root, so that the descendant tree from that root shows
// all blood relatives of the proband's ancestors.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ahnen_data.h"

namespace qv {

struct KindredData {
    TAhnenData Data;
    // The placeholder root person; its index is the original person count.
    int64_t Root = -1;
};

// Per person: the largest number of generations on any line up from the proband to it, -1
// for persons who are no ancestors. No limit on the depth.
std::vector<int32_t> AncestorLevels(const TAhnenData& data, int64_t proband);

// The copy: ancestors with levels (equalised within marriage groups) up to maxGeneration
// hang from the root through chains of placeholder persons (IsDummy), each at depth
// T - level + 1, T being the largest level used. Throws Error when the ancestry is cyclic.
KindredData BuildKindredData(const TAhnenData& data, int64_t proband, int32_t maxGeneration);

}  // namespace qv
