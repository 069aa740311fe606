// Both bounds in linear time, from the childless persons up and from the founders down.
#include "calc/depth_bounds.h"

#include <algorithm>

#include "calc/family_graph.h"

namespace qv {
namespace {

// Below by Kahn's method: a person is final once all its children are. Persons left over sit
// on or above a cycle.
std::vector<int32_t> GenerationsBelow(const FamilyGraph& graph)
{
    const int32_t n = graph.Size();
    std::vector<int32_t> below(n, 0), waiting(n, 0), ready;
    int32_t parents[2];
    for (int32_t p = 0; p < n; ++p)
        for (int i = 0, k = DistinctParents(graph, p, parents); i < k; ++i) ++waiting[parents[i]];
    for (int32_t p = 0; p < n; ++p)
        if (waiting[p] == 0) ready.push_back(p);
    for (size_t next = 0; next < ready.size(); ++next) {
        int32_t child = ready[next];
        for (int i = 0, k = DistinctParents(graph, child, parents); i < k; ++i) {
            below[parents[i]] = std::max(below[parents[i]], below[child] + 1);
            if (--waiting[parents[i]] == 0) ready.push_back(parents[i]);
        }
    }
    for (int32_t p = 0; p < n; ++p)
        if (waiting[p] != 0) below[p] = kUnboundedDepth;
    return below;
}

}  // namespace

DepthBounds::DepthBounds(const FamilyGraph& graph)
    : m_below(GenerationsBelow(graph)), m_ancestryMost(graph.Size(), kUnboundedDepth)
{
    if (!m_below.empty()) m_mostBelow = *std::max_element(m_below.begin(), m_below.end());
    const int32_t n = graph.Size();
    std::vector<int32_t> waiting(n, 0), ready;
    int32_t parents[2];
    for (int32_t p = 0; p < n; ++p) {
        waiting[p] = DistinctParents(graph, p, parents);
        if (waiting[p] == 0) ready.push_back(p);
    }
    for (size_t next = 0; next < ready.size(); ++next) {
        int32_t p = ready[next];
        int32_t most = m_below[p];
        for (int i = 0, k = DistinctParents(graph, p, parents); i < k; ++i)
            most = std::max(most, m_ancestryMost[parents[i]]);
        m_ancestryMost[p] = most;
        for (int32_t child : graph.Children(p))
            if (--waiting[child] == 0) ready.push_back(child);
    }
}

int32_t DepthBounds::Common(int32_t x, int32_t y) const
{
    return std::min(m_ancestryMost[x], m_ancestryMost[y]);
}

}  // namespace qv
