// "c": how much of a person's and the root's founder ancestry they share.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/person_result.h"

namespace qv {

class FamilyGraph;

// S1 · S2 over the founders i (persons missing a parent, each missing parent weighing ½)
// who are ancestors (or self) of both person and root: S1 sums the root's direct lines to
// i weighted 2^-g (results' DirectUp), S2 the person's own.
double ComputeC(const FamilyGraph& graph, int32_t person,
                const std::vector<TPersonResult>& results);

}  // namespace qv
