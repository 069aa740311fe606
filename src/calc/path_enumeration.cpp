// Path enumeration for the blood-relationship and X-chromosome path counts.
#include "calc/path_enumeration.h"

#include "calc/family_graph.h"
#include "calc/path_walk.h"
#include "calc/x_steps.h"

namespace qv {
namespace {

// Whether a person or one of its ancestors is marked: an upward step to a person without
// this can never end at a target, so it is skipped.
std::vector<uint8_t> ReachesMarked(const FamilyGraph& graph, int32_t root,
                                   const std::vector<uint8_t>& marked)
{
    std::vector<uint8_t> reaches(graph.Size(), 0);
    std::vector<int32_t> order = AncestorsChildrenFirst(graph, root);
    for (auto p = order.rbegin(); p != order.rend(); ++p) {
        int32_t father = graph.Father(*p), mother = graph.Mother(*p);
        reaches[*p] =
            marked[*p] || (father >= 0 && reaches[father]) || (mother >= 0 && reaches[mother]);
    }
    return reaches;
}

struct BloodPathRules {
    const FamilyGraph& graph;
    const std::vector<uint8_t>& targets;
    const std::vector<uint8_t>& marked;
    const std::vector<uint8_t>& reaches;
    std::vector<CountArray>& counts;

    bool Enter(int32_t person, int32_t length, int32_t)
    {
        if (targets[person]) counts[person].Add(length, 1);
        return true;
    }
    int Up(int32_t person, bool toMother) const
    {
        return reaches[toMother ? graph.Mother(person) : graph.Father(person)] ? 1 : -1;
    }
    bool MayTurn(int32_t person) const { return marked[person]; }
    int Down(int32_t, int32_t child) const { return marked[child] ? 1 : -1; }
};

struct XPathRules {
    const FamilyGraph& graph;
    std::vector<CountArray>& counts;

    bool Enter(int32_t person, int32_t length, int32_t)
    {
        counts[person].Add(length, 1);
        return true;
    }
    int Up(int32_t person, bool toMother) const { return XUpWeight(graph, person, toMother); }
    bool MayTurn(int32_t) const { return true; }
    int Down(int32_t parent, int32_t child) const { return XDownWeight(graph, parent, child); }
};

}  // namespace

std::optional<std::vector<CountArray>> EnumeratePaths(const FamilyGraph& graph, int32_t root,
                                                      const std::vector<uint8_t>& targets,
                                                      WalkGuard& guard)
{
    std::vector<CountArray> counts(graph.Size());
    if (!graph.Contains(root)) return counts;
    // Only among the targets and their ancestors can a downward step lead to a target.
    std::vector<uint8_t> marked = WithAncestors(graph, targets);
    std::vector<uint8_t> reaches = ReachesMarked(graph, root, marked);
    BloodPathRules rules{graph, targets, marked, reaches, counts};
    WalkScratch scratch(graph.Size());
    if (!WalkPaths(graph, scratch, rules, root, 0, false, guard)) return std::nullopt;
    return counts;
}

std::optional<XCounts> EnumerateXPaths(const FamilyGraph& graph, int32_t root, WalkGuard& guard)
{
    XCounts counts{std::vector<CountArray>(graph.Size()), std::vector<CountArray>(graph.Size())};
    if (!graph.Contains(root)) return counts;
    WalkScratch scratch(graph.Size());
    XPathRules x1{graph, counts.X1}, x2{graph, counts.X2};
    bool male = graph.Male(root);
    int32_t father = graph.Father(root), mother = graph.Mother(root);
    // The root stays on the path while its parents' sides are walked, so they never come
    // back down to it; the first step to a parent adds no length.
    scratch.onPath[root] = 1;
    bool complete =
        (male || father < 0 || WalkPaths(graph, scratch, x1, father, 0, false, guard)) &&
        (mother < 0 || WalkPaths(graph, scratch, x2, mother, 0, false, guard));
    scratch.onPath[root] = 0;
    complete = complete && (male || WalkPaths(graph, scratch, x1, root, 0, true, guard)) &&
               WalkPaths(graph, scratch, x2, root, 0, true, guard);
    if (!complete) return std::nullopt;
    return counts;
}

}  // namespace qv
