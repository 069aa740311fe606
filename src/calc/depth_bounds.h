// How far down each person's descendants reach: a bound that lets the walks between two
// parents stop below the ancestors the two can share.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace qv {

class FamilyGraph;

// For persons whose descendants or ancestors run into a cycle.
constexpr int32_t kUnboundedDepth = std::numeric_limits<int32_t>::max();

// Below(p): 0 without children, else one more than the largest Below of a child, so an
// ancestor always lies strictly above its descendants. AncestryMost(p): the largest Below of
// p and its ancestors. A common ancestor A of x and y has Below(A) at most
// min(AncestryMost(x), AncestryMost(y)), and so has every person on a line up to A: walks
// looking for common ancestors can leave out everybody above that bound.
class DepthBounds {
public:
    explicit DepthBounds(const FamilyGraph& graph);

    int32_t Below(int32_t person) const { return m_below[person]; }
    const std::vector<int32_t>& BelowAll() const { return m_below; }
    int32_t AncestryMost(int32_t person) const { return m_ancestryMost[person]; }
    // The largest Below of all persons: a bound at or above it leaves nobody out.
    int32_t MostBelow() const { return m_mostBelow; }
    // The bound for the common ancestors of x and y.
    int32_t Common(int32_t x, int32_t y) const;

private:
    std::vector<int32_t> m_below;
    std::vector<int32_t> m_ancestryMost;
    int32_t m_mostBelow = 0;
};

}  // namespace qv
