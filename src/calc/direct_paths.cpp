// Direct-line counts: each person is evaluated once, after the persons its lines pass through.
#include "calc/direct_paths.h"

#include "calc/family_graph.h"
#include "calc/x_steps.h"

namespace qv {
namespace {

CountArray Single()
{
    CountArray one;
    one.Add(0, 1);
    return one;
}

// Pushes each line one generation further up; a person who is both father and mother of a
// child gets that child's lines twice, as it gets two Kekule numbers.
void PushUp(const FamilyGraph& graph, const std::vector<int32_t>& order,
            std::vector<CountArray>& counts)
{
    for (int32_t p : order) {
        if (graph.Father(p) >= 0) counts[graph.Father(p)].AddShifted(counts[p], 1);
        if (graph.Mother(p) >= 0) counts[graph.Mother(p)].AddShifted(counts[p], 1);
    }
}

std::vector<CountArray> CountDirectDown(const FamilyGraph& graph, int32_t root)
{
    std::vector<CountArray> down(graph.Size());
    if (!graph.Contains(root)) return down;
    std::vector<int32_t> order = DescendantsParentsFirst(graph, root);
    down[root] = Single();
    for (int32_t p : order) {
        if (p == root) continue;
        if (graph.Father(p) >= 0) down[p].AddShifted(down[graph.Father(p)], 1);
        if (graph.Mother(p) >= 0) down[p].AddShifted(down[graph.Mother(p)], 1);
    }
    return down;
}

// X lines from a parent of the root (reached with X-length 0) further up.
void PushXUp(const FamilyGraph& graph, int32_t start, std::vector<CountArray>& counts)
{
    counts[start] = Single();
    for (int32_t p : AncestorsChildrenFirst(graph, start)) {
        int fatherWeight = XUpWeight(graph, p, false), motherWeight = XUpWeight(graph, p, true);
        if (graph.Father(p) >= 0 && fatherWeight >= 0)
            counts[graph.Father(p)].AddShifted(counts[p], fatherWeight);
        if (graph.Mother(p) >= 0) counts[graph.Mother(p)].AddShifted(counts[p], motherWeight);
    }
}

}  // namespace

std::vector<CountArray> CountDirectUp(const FamilyGraph& graph, int32_t root)
{
    std::vector<CountArray> up(graph.Size());
    if (!graph.Contains(root)) return up;
    up[root] = Single();
    PushUp(graph, AncestorsChildrenFirst(graph, root), up);
    return up;
}

DirectCounts CountDirectPaths(const FamilyGraph& graph, int32_t root)
{
    return {CountDirectUp(graph, root), CountDirectDown(graph, root)};
}

XCounts CountDirectXPaths(const FamilyGraph& graph, int32_t root)
{
    XCounts counts{std::vector<CountArray>(graph.Size()), std::vector<CountArray>(graph.Size())};
    if (!graph.Contains(root)) return counts;
    if (!graph.Male(root) && graph.Father(root) >= 0) PushXUp(graph, graph.Father(root), counts.X1);
    if (graph.Mother(root) >= 0) PushXUp(graph, graph.Mother(root), counts.X2);
    return counts;
}

}  // namespace qv
