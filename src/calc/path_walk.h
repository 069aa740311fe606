// Enumerating simple up-then-down paths one by one: an explicit stack, no allocation per step.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/family_graph.h"
#include "calc/walk_guard.h"

namespace qv {

// One person on the current path. next: 0 = father still to try, 1 = mother, 2 + i = child i.
struct WalkFrame {
    int32_t person;
    int32_t length;
    // The person where the path turned downward; -1 while it still goes up.
    int32_t turn;
    uint32_t next;
};

// The on-path flags and the stack, sized once: a simple path holds each person at most once.
struct WalkScratch {
    explicit WalkScratch(int32_t persons) : onPath(persons, 0) { stack.reserve(persons + 1); }

    std::vector<uint8_t> onPath;
    std::vector<WalkFrame> stack;
};

constexpr uint32_t kWalkFather = 0;
constexpr uint32_t kWalkMother = 1;
constexpr uint32_t kWalkChildren = 2;
constexpr uint32_t kWalkDone = UINT32_MAX;

// The next step from the top frame: where it leads (-1: nowhere), the length it adds (-1:
// the rules close it) and the path's turning person; end when the frame has no branch left.
struct WalkStep {
    bool end = false;
    int32_t person = -1;
    int32_t weight = -1;
    int32_t turn = -1;
};

template <typename Rules>
WalkStep NextStep(const FamilyGraph& graph, WalkFrame& top, Rules& rules)
{
    WalkStep step{false, -1, -1, top.turn};
    if (top.next == kWalkFather) {
        top.next = kWalkMother;
        step.person = graph.Father(top.person);
        if (step.person >= 0) step.weight = rules.Up(top.person, false);
    } else if (top.next == kWalkMother) {
        top.next = rules.MayTurn(top.person) ? kWalkChildren : kWalkDone;
        step.person = graph.Mother(top.person);
        if (step.person >= 0) step.weight = rules.Up(top.person, true);
    } else if (top.next != kWalkDone &&
               top.next - kWalkChildren < graph.Children(top.person).size()) {
        step.person = graph.Children(top.person)[top.next++ - kWalkChildren];
        step.weight = rules.Down(top.person, step.person);
        if (step.turn < 0) step.turn = top.person;
    } else {
        step.end = true;
    }
    return step;
}

// Walks every simple path that starts at start (going up, or down when startDown) and
// consists of up steps followed by down steps. Rules decides (all inline, called per step):
//   bool Enter(person, length, turn)  - the path reaches person; false: do not go on from it
//   int Up(person, toMother)          - length added by the step to that parent, -1: not taken
//   bool MayTurn(person)              - whether the path may turn downward at person
//   int Down(parent, child)           - length added by that step, -1: not taken
// Persons already flagged on the path (by the caller) are never entered. Returns false when
// the guard stopped the walk; the flags are clean again either way.
template <typename Rules>
bool WalkPaths(const FamilyGraph& graph, WalkScratch& scratch, Rules& rules, int32_t start,
               int32_t length, bool startDown, WalkGuard& guard)
{
    std::vector<uint8_t>& onPath = scratch.onPath;
    std::vector<WalkFrame>& stack = scratch.stack;
    int32_t startTurn = startDown ? start : -1;
    if (onPath[start] || !rules.Enter(start, length, startTurn)) return true;
    onPath[start] = 1;
    stack.push_back({start, length, startTurn, startDown ? kWalkChildren : kWalkFather});
    while (!stack.empty()) {
        WalkFrame& top = stack.back();
        WalkStep step = NextStep(graph, top, rules);
        if (step.end) {
            onPath[top.person] = 0;
            stack.pop_back();
            continue;
        }
        if (step.weight < 0 || onPath[step.person]) continue;
        int32_t nextLength = top.length + step.weight;
        if (!rules.Enter(step.person, nextLength, step.turn)) continue;
        if (guard.Tick(graph, stack)) {
            for (const WalkFrame& f : stack) onPath[f.person] = 0;
            stack.clear();
            return false;
        }
        onPath[step.person] = 1;
        uint32_t first = step.turn < 0 ? kWalkFather : kWalkChildren;
        stack.push_back({step.person, nextLength, step.turn, first});
    }
    return true;
}

}  // namespace qv
