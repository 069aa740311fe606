// "c": how much of a person's and the root's founder ancestry they share.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calc/depth_bounds.h"
#include "calc/founder_sums.h"
#include "calc/person_result.h"

namespace qv {

class FamilyGraph;
class WalkGuard;

// S1 · S2 over the founders i (persons missing a parent, each missing parent weighing ½)
// who are ancestors (or self) of both person and root: S1 sums the root's direct lines to
// i weighted 2^-g (results' DirectUp), S2 the person's own.
double ComputeC(const FamilyGraph& graph, int32_t person,
                const std::vector<TPersonResult>& results);

// ComputeC for many persons of one root. Where nobody occurs twice in a person's ancestry,
// both sums follow from the parents' sums, so a long chain costs a step per person rather
// than its whole ancestry each. Where the ancestry collapses, the first such person has the
// sums of every person computed at once (founder_sums.h); only those it cannot give exactly
// walk their ancestry. The results' DirectUp must be complete and stay unchanged while the
// object lives.
class FounderShares {
public:
    FounderShares(const FamilyGraph& graph, const std::vector<TPersonResult>& results);
    // Nothing when the guard stopped.
    std::optional<double> C(int32_t person, WalkGuard& guard);

private:
    enum class Shape : uint8_t { Unknown, Open, Tree, Collapsed };

    void Resolve(int32_t person);
    void Finish(int32_t person);
    bool MarkAncestry(int32_t start, int32_t bound, uint8_t flag, bool stopAtOther,
                      std::vector<int32_t>& marked);
    bool ShareAncestor(int32_t father, int32_t mother);

    const FamilyGraph& m_graph;
    const std::vector<TPersonResult>& m_results;
    DepthBounds m_depth;
    std::vector<Shape> m_shape;
    std::vector<double> m_rootSum;
    std::vector<double> m_ownSum;
    std::vector<uint8_t> m_mark;
    std::optional<FounderSums> m_collapsed;
};

}  // namespace qv
