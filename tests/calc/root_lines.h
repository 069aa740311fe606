// Every person's DirectUp for a root, as the engine keeps them: the input of the founder shares.
#pragma once

#include <utility>
#include <vector>

#include "calc/direct_paths.h"
#include "calc/family_graph.h"
#include "calc/person_result.h"

namespace qv::test {

inline std::vector<TPersonResult> RootLines(const FamilyGraph& graph, int32_t root)
{
    std::vector<TPersonResult> results(graph.Size());
    std::vector<CountArray> up = CountDirectUp(graph, root);
    for (int32_t p = 0; p < graph.Size(); ++p) results[p].DirectUp = std::move(up[p]);
    return results;
}

}  // namespace qv::test
