// Counts of direct lines between a root and its ancestors or descendants, by dynamic programming.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/count_array.h"

namespace qv {

class FamilyGraph;

// Per person: how often it is an ancestor of the root g generations up (Up), and how often
// the root is its ancestor g generations up (Down). Both are [1] for the root and empty for
// persons who are neither.
struct DirectCounts {
    std::vector<CountArray> Up;
    std::vector<CountArray> Down;
};

// Up alone: the lines from root up to each of its ancestors.
std::vector<CountArray> CountDirectUp(const FamilyGraph& graph, int32_t root);
DirectCounts CountDirectPaths(const FamilyGraph& graph, int32_t root);

// X-chromosome lines from the root up: X1 through its father (only for a root who is not
// male), X2 through its mother, indexed by X-length (see x_steps.h).
struct XCounts {
    std::vector<CountArray> X1;
    std::vector<CountArray> X2;
};
XCounts CountDirectXPaths(const FamilyGraph& graph, int32_t root);

}  // namespace qv
