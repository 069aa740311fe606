// Blood-relationship and X-chromosome path counts by enumerating every path one by one: the
// reference that path_count.h is checked and measured against, and its fallback for the rare
// file where a person is its own ancestor.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calc/count_array.h"
#include "calc/direct_paths.h"

namespace qv {

class FamilyGraph;
class WalkGuard;

// For every target (targets[p] != 0): the number of paths of each length from root to it
// that go up from parent to parent, then down from parent to child, never meeting a person
// twice. Branches that cannot reach a target are skipped. Empty when the guard stopped.
std::optional<std::vector<CountArray>> EnumeratePaths(const FamilyGraph& graph, int32_t root,
                                                      const std::vector<uint8_t>& targets,
                                                      WalkGuard& guard);

// The same for X-chromosome paths of every person, by X-length: X1 leaves the root through
// its father (only for a root who is not male), X2 through its mother; the root's own
// descendants are reached from the root directly (in X1 only for a root who is not male).
std::optional<XCounts> EnumerateXPaths(const FamilyGraph& graph, int32_t root, WalkGuard& guard);

}  // namespace qv
