// The X-chromosome inheritance rule of one parent-child link, as the X walks step along it.
#pragma once

#include "calc/family_graph.h"

namespace qv {

// Every link adds 1 to the X-length when its child is not male and 0 when it is; a link from
// a male parent to a male child passes no X chromosome and is not used (-1). Going up, the
// parent's sex is its role (the father counts as male); going down it is its sex character.
inline int XUpWeight(const FamilyGraph& graph, int32_t child, bool toMother)
{
    if (!graph.Male(child)) return 1;
    return toMother ? 0 : -1;
}

inline int XDownWeight(const FamilyGraph& graph, int32_t parent, int32_t child)
{
    if (!graph.Male(child)) return 1;
    return graph.Male(parent) ? -1 : 0;
}

}  // namespace qv
