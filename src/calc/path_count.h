// Blood-relationship and X-chromosome path counts without walking the paths: every turning
// person's weight (turn_weights.h) times its lines from the root, summed down to the relatives.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calc/count_array.h"
#include "calc/direct_paths.h"
#include "calc/line_arithmetic.h"
#include "calc/turn_weights.h"

namespace qv {

class WalkGuard;

using ExactTurnWeights = TurnWeights<ExactCounts>;

// For every target (targets[p] != 0): the number of paths of each length from root to it
// that go up from parent to parent, then down from parent to child, never meeting a person
// twice; the same counts as EnumeratePaths. weights: on blood links, kept between calls.
// Empty when the guard stopped. Where a relative is its own ancestor, the paths are
// enumerated instead.
std::optional<std::vector<CountArray>> CountPaths(ExactTurnWeights& weights, int32_t root,
                                                  const std::vector<uint8_t>& targets,
                                                  WalkGuard& guard);

// The X-chromosome paths of every person as EnumerateXPaths counts them; weights on X links.
std::optional<XCounts> CountXPaths(ExactTurnWeights& weights, int32_t root, WalkGuard& guard);

}  // namespace qv
