// Path counts as sums over turning persons, pushed down the family graph in one pass.
#include "calc/path_count.h"

#include <algorithm>

#include "calc/family_graph.h"
#include "calc/path_enumeration.h"
#include "calc/walk_guard.h"

namespace qv {
namespace {

// Share of the progress that the turning weights take; the pass down takes the rest.
constexpr double kWeightShare = 0.9;

WeightOutcome EnsureWeights(ExactTurnWeights& weights, const std::vector<int32_t>& persons,
                            WalkGuard& guard)
{
    for (size_t i = 0; i < persons.size(); ++i) {
        guard.SetShare(kWeightShare * static_cast<double>(i) / static_cast<double>(persons.size()));
        WeightOutcome outcome = weights.Ensure(persons[i], guard);
        if (outcome != WeightOutcome::Done) return outcome;
    }
    return WeightOutcome::Done;
}

// The persons that the sources lead down to (within region, where given), each after every
// person it descends from; nothing when one of them is its own ancestor.
std::optional<std::vector<int32_t>> DescendantOrder(const FamilyLinks& links,
                                                    const std::vector<int32_t>& sources,
                                                    const std::vector<uint8_t>* region)
{
    constexpr uint8_t kOnStack = 1, kFinished = 2;
    const FamilyGraph& graph = links.Graph();
    std::vector<uint8_t> state(graph.Size(), 0);
    std::vector<int32_t> order;
    std::vector<std::pair<int32_t, size_t>> stack;
    for (int32_t source : sources) {
        if (state[source]) continue;
        state[source] = kOnStack;
        stack.push_back({source, 0});
        while (!stack.empty()) {
            auto& [person, next] = stack.back();
            std::span<const int32_t> children = graph.Children(person);
            if (next == children.size()) {
                state[person] = kFinished;
                order.push_back(person);
                stack.pop_back();
                continue;
            }
            int32_t child = children[next++];
            if (links.DownWeight(person, child) < 0 || (region && !(*region)[child])) continue;
            if (state[child] == kOnStack) return std::nullopt;
            if (state[child]) continue;
            state[child] = kOnStack;
            stack.push_back({child, 0});
        }
    }
    std::reverse(order.begin(), order.end());
    return order;
}

// sums[x] += the sums of the parents x descends from, each one step further; afterwards
// sums[x] is the sum over the sources A of their own sums times the lines down from A to x.
// blocked takes nothing from its parents. False when the guard stopped.
bool PushDown(const FamilyLinks& links, const std::vector<int32_t>& order,
              std::vector<CountArray>& sums, int32_t blocked, WalkGuard& guard)
{
    for (size_t i = 0; i < order.size(); ++i) {
        int32_t person = order[i];
        if (person == blocked) continue;
        uint64_t work = 1;
        for (const ParentLink& link : links.Down(person)) {
            sums[person].AddShifted(sums[link.parent], link.weight, link.count);
            work += sums[link.parent].Stored().size();
        }
        // The sum is now the person's own count, whose ends are exact; the cancelled entries
        // outside them would otherwise grow with every generation passed on.
        sums[person].Trim();
        guard.SetShare(kWeightShare + (1 - kWeightShare) * static_cast<double>(i) /
                                          static_cast<double>(order.size()));
        if (guard.AddWork(work)) return false;
    }
    return true;
}

// The sources' own sums: each turning person's weight times its lines from the root.
bool StartSums(const ExactTurnWeights& weights, const std::vector<int32_t>& turning,
               const std::vector<CountArray>& lines, std::vector<CountArray>& sums,
               WalkGuard& guard)
{
    for (int32_t person : turning) {
        sums[person].AddProduct(weights.Weight(person), lines[person]);
        if (guard.AddWork(weights.Weight(person).Stored().size() * lines[person].Stored().size()))
            return false;
    }
    return true;
}

// The root's ancestors with lines, oldest first.
std::vector<int32_t> TurningPersons(const FamilyGraph& graph, int32_t root,
                                    const std::vector<CountArray>& lines)
{
    std::vector<int32_t> turning;
    for (int32_t p : AncestorsChildrenFirst(graph, root))
        if (!lines[p].Empty()) turning.push_back(p);
    std::reverse(turning.begin(), turning.end());
    return turning;
}

enum class SideOutcome { Done, Stopped, Cyclic };

// The paths that turn at the persons with lines, pushed down to every person (within
// region). Paths from a parent of the root (rootApart) never pass through the root, which
// instead counts itself once with its own lines down.
SideOutcome SumSide(ExactTurnWeights& weights, int32_t root, bool rootApart,
                    const std::vector<CountArray>& lines, const std::vector<uint8_t>* region,
                    std::vector<CountArray>& sums, WalkGuard& guard)
{
    const FamilyLinks& links = weights.Links();
    std::vector<int32_t> turning = TurningPersons(links.Graph(), root, lines);
    if (region) std::erase_if(turning, [&](int32_t p) { return !(*region)[p]; });
    switch (EnsureWeights(weights, turning, guard)) {
        case WeightOutcome::Stopped:
            return SideOutcome::Stopped;
        case WeightOutcome::Cyclic:
            return SideOutcome::Cyclic;
        default:
            break;
    }
    if (!StartSums(weights, turning, lines, sums, guard)) return SideOutcome::Stopped;
    if (rootApart) {
        sums[root].Add(0, 1);
        turning.push_back(root);
    }
    auto order = DescendantOrder(links, turning, region);
    if (!order) return SideOutcome::Cyclic;
    return PushDown(links, *order, sums, rootApart ? root : -1, guard) ? SideOutcome::Done
                                                                       : SideOutcome::Stopped;
}

}  // namespace

std::optional<std::vector<CountArray>> CountPaths(ExactTurnWeights& weights, int32_t root,
                                                  const std::vector<uint8_t>& targets,
                                                  WalkGuard& guard)
{
    const FamilyGraph& graph = weights.Links().Graph();
    std::vector<CountArray> sums(graph.Size());
    if (!graph.Contains(root)) return sums;
    std::vector<uint8_t> region = WithAncestors(graph, targets);
    std::vector<CountArray> lines = CountDirectUp(graph, root);
    SideOutcome outcome = SumSide(weights, root, false, lines, &region, sums, guard);
    if (outcome == SideOutcome::Cyclic) return EnumeratePaths(graph, root, targets, guard);
    if (outcome == SideOutcome::Stopped) return std::nullopt;
    for (int32_t p = 0; p < graph.Size(); ++p)
        if (!targets[p]) sums[p] = CountArray();
    return sums;
}

std::optional<XCounts> CountXPaths(ExactTurnWeights& weights, int32_t root, WalkGuard& guard)
{
    const FamilyGraph& graph = weights.Links().Graph();
    XCounts counts{std::vector<CountArray>(graph.Size()), std::vector<CountArray>(graph.Size())};
    if (!graph.Contains(root)) return counts;
    XCounts lines = CountDirectXPaths(graph, root);
    bool male = graph.Male(root);
    // A root who is not male counts in X1 too, with her father's side if she has a father.
    SideOutcome outcome = male ? SideOutcome::Done
                               : SumSide(weights, root, true, lines.X1, nullptr, counts.X1, guard);
    if (outcome == SideOutcome::Done)
        outcome = SumSide(weights, root, true, lines.X2, nullptr, counts.X2, guard);
    if (outcome == SideOutcome::Cyclic) return EnumerateXPaths(graph, root, guard);
    if (outcome == SideOutcome::Stopped) return std::nullopt;
    return counts;
}

}  // namespace qv
