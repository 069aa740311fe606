// The two sums of the founder share "c" for every person in one pass over the family graph,
// where they come out exactly as a walk of the person's ancestry adds them up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/person_result.h"

namespace qv {

class FamilyGraph;
class WalkGuard;

// The founders that count for "c" are the root and its ancestors with a missing parent. For
// a person p with founders F(p) among its ancestors (or itself):
//   rootSide(p) = the sum over F(p), in increasing person index, of q(i) · HalvingSum(the
//                 root's lines to i), from one bit set of founders per person, ORed from
//                 the parents';
//   ownSide(p)  = the sum over F(p) of q(i) · HalvingSum(p's own lines to i)
//               = q(p) if p counts + ½ ownSide(father) + ½ ownSide(mother).
// The second is the walk's index-order sum only while no addition rounds: all its terms are
// multiples of 2^-(depth + 1), so that holds while the sum stays below 2^53 such units, for
// the person and its ancestors. Elsewhere (deep or cyclic ancestries) Exact is false.
class FounderSums {
public:
    // Nothing when the guard stopped. results' DirectUp must be complete. blockWords: the
    // founders one pass handles, in 64-bit words per person (0: as many as 64 MiB hold, at
    // most 64).
    static std::optional<FounderSums> Compute(const FamilyGraph& graph,
                                              const std::vector<TPersonResult>& results,
                                              WalkGuard& guard, size_t blockWords = 0);

    bool Exact(int32_t person) const { return m_exact[person] != 0; }
    // rootSide · ownSide; valid where Exact.
    double C(int32_t person) const { return m_rootSide[person] * m_ownSide[person]; }

private:
    void SumOwnSides(const FamilyGraph& graph, const std::vector<TPersonResult>& results);
    bool SumRootSides(const FamilyGraph& graph, const std::vector<TPersonResult>& results,
                      WalkGuard& guard, size_t blockWords);

    // The persons whose ancestry holds no cycle, each after its parents.
    std::vector<int32_t> m_order;
    std::vector<double> m_rootSide;
    std::vector<double> m_ownSide;
    std::vector<uint8_t> m_exact;
};

}  // namespace qv
