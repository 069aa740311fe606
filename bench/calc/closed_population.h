// A generated closed population for the path-count benchmarks: every pedigree in it collapses
// within a few generations, as in an isolated village.
#pragma once

#include <cstdint>

#include "data/ahnen_data.h"

namespace qv::bench {

// width persons per generation (men and women alternating); in every generation the men and
// women pair up at random, and each person of the next generation is the child of a random
// couple. The last person is the natural root. Deterministic for a given seed.
TAhnenData ClosedPopulation(int width, int generations, uint32_t seed = 20261209);

}  // namespace qv::bench
