// The names of the metrics, in the order in which label templates replace them.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The 60 per-person names: gb, gbs, z, b, g'b, g''b in nine variants, then kmin, f, fw, fx,
// c, gc. "kekule-min" has its own placeholder; "kekule" and "kekulex" are arrays only.
const std::vector<std::string>& PersonMetricNames();
// The 24 per-generation names, from "k" to "Ink".
const std::vector<std::string>& GenerationMetricNames();

}  // namespace qv
