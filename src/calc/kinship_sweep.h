// FW or FX of every person at once, from the kinship of the persons still needed, instead of
// summing the paths between each person's parents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

class FamilyLinks;
class WalkGuard;

// With K(a, b) the sum over the paths from a up to a turning person t and down to b of
// (1 + coefficient(t)) / 2^length (K(a, a) = 1 + coefficient(a)), a person x who is no
// ancestor of y has K(x, y) = the sum over x's steps up to a parent p of K(p, y) / 2^step,
// since every such path leaves x by one of them. Going through the persons parents first,
// the values of each new person with every person still to be a parent follow from its
// parents' rows, and a person's coefficient is K(father, mother) / 2 (1 for a male person
// with X links). Only persons with children to come keep a row, so memory follows the
// width of the population, not its size.
enum class SweepOutcome { Done, Stopped, Declined };

struct SweptCoefficients {
    std::vector<double> value;
    // The persons whose ancestry holds no cycle: the ones the sweep gives a value.
    std::vector<uint8_t> covered;
};

// Declined where the steps up and down differ for some person (then K is not symmetric) or
// where more than mostLive persons would need a row at once (0: as many as 512 MiB hold).
SweepOutcome SweepCoefficients(const FamilyLinks& links, WalkGuard& guard,
                               SweptCoefficients& result, size_t mostLive = 0);

// Whether the sweep is likely cheaper than the turning weights of the given persons and their
// ancestors: the sweep costs the number of live rows summed over all persons; the turning
// weights cost, for each couple among the ancestors, the sizes of both parents' ancestries
// (estimated from above). In a shallow or small family, or for a few persons of a large
// one, the turning weights win.
bool SweepPays(const FamilyLinks& links, const std::vector<uint8_t>& persons);

}  // namespace qv
