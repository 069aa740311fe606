// F, FW and FX by walking the paths from a person's father to its mother.
#include "calc/inbreeding_enumeration.h"

#include <cmath>

#include "calc/family_graph.h"
#include "calc/x_steps.h"
#include "data/ahnen_data.h"
#include "data/cycle_check.h"
#include "data/error.h"

namespace qv {
namespace {

constexpr uint8_t kMarked = 1;
constexpr uint8_t kReaches = 2;

// Paths from the father up and then down to the mother: downward only among the mother and
// her ancestors, upward only where such a person is still ahead. Neither restriction
// changes which paths end at the mother.
template <typename OnMother>
struct CoancestryRules {
    const FamilyGraph& graph;
    const std::vector<uint8_t>& marks;
    int32_t mother;
    bool x;
    OnMother& onMother;

    bool Enter(int32_t person, int32_t length, int32_t turn)
    {
        if (person != mother) return true;
        onMother(length, turn);
        return false;
    }
    int Up(int32_t person, bool toMother) const
    {
        int32_t parent = toMother ? graph.Mother(person) : graph.Father(person);
        if (!(marks[parent] & kReaches)) return -1;
        return x ? XUpWeight(graph, person, toMother) : 1;
    }
    bool MayTurn(int32_t person) const { return marks[person] & kMarked; }
    int Down(int32_t parent, int32_t child) const
    {
        if (!(marks[child] & kMarked)) return -1;
        return x ? XDownWeight(graph, parent, child) : 1;
    }
};

}  // namespace

struct InbreedingEnumerator::Coefficient {
    double TPersonResult::*value;
    bool TPersonResult::*done;
    bool x;
};

InbreedingEnumerator::InbreedingEnumerator(const TAhnenData& data, const FamilyGraph& graph,
                                           std::vector<TPersonResult>& results)
    : m_data(data), m_graph(graph), m_results(results)
{
}

bool InbreedingEnumerator::ComputeF(int32_t person, WalkGuard& guard)
{
    TPersonResult& r = m_results[person];
    if (r.FDone) return true;
    double f = 0;
    if (m_graph.Father(person) >= 0 && m_graph.Mother(person) >= 0) {
        CountArray counts;
        auto onMother = [&counts](int32_t length, int32_t) { counts.Add(length, 1); };
        if (!WalkBetweenParents(person, false, onMother, guard)) return false;
        f = HalvingSum(counts) / 2;
    }
    r.F = f;
    r.FDone = true;
    return true;
}

bool InbreedingEnumerator::ComputeFW(int32_t person, WalkGuard& guard)
{
    return Ensure(person, {&TPersonResult::FW, &TPersonResult::FWDone, false}, guard);
}

bool InbreedingEnumerator::ComputeFX(int32_t person, WalkGuard& guard)
{
    return Ensure(person, {&TPersonResult::FX, &TPersonResult::FXDone, true}, guard);
}

// Depth-first over the ancestry, each person computed after its parents. Unlike a person
// whose value comes at once (male for FX), the parents of everybody are still computed:
// a later walk may turn at any ancestor and needs its value.
bool InbreedingEnumerator::Ensure(int32_t person, const Coefficient& kind, WalkGuard& guard)
{
    if (m_results[person].*kind.done) return true;
    PrepareScratch();
    std::vector<int32_t> stack{person}, expanded;
    auto reset = [&] {
        for (int32_t p : expanded) m_expanded[p] = 0;
    };
    while (!stack.empty()) {
        int32_t p = stack.back();
        if (m_results[p].*kind.done) {
            stack.pop_back();
        } else if (m_expanded[p]) {
            if (!ComputeOne(p, kind, guard)) {
                reset();
                return false;
            }
            stack.pop_back();
        } else {
            m_expanded[p] = 1;
            expanded.push_back(p);
            if (TakeFromSibling(p, kind)) continue;
            for (int32_t parent : {m_graph.Mother(p), m_graph.Father(p)}) {
                if (parent < 0 || m_results[parent].*kind.done) continue;
                if (m_expanded[parent]) {
                    reset();
                    throw Error(CycleMessage(m_data, parent));
                }
                stack.push_back(parent);
            }
        }
    }
    reset();
    return true;
}

bool InbreedingEnumerator::TakeFromSibling(int32_t person, const Coefficient& kind)
{
    int32_t family = m_data.Persons[person].ParentFamily;
    if (family < 0 || family >= static_cast<int32_t>(m_data.Families.size())) return false;
    for (int64_t sibling : m_data.Families[family].Children) {
        if (sibling == person || !m_graph.Contains(sibling)) continue;
        if (!(m_results[sibling].*kind.done)) continue;
        if (kind.x && m_data.Persons[sibling].Sex != m_data.Persons[person].Sex) continue;
        m_results[person].*kind.value = m_results[sibling].*kind.value;
        m_results[person].*kind.done = true;
        return true;
    }
    return false;
}

bool InbreedingEnumerator::ComputeOne(int32_t person, const Coefficient& kind, WalkGuard& guard)
{
    int32_t father = m_graph.Father(person), mother = m_graph.Mother(person);
    double value = 0;
    if (kind.x && m_graph.Male(person)) {
        value = 1;
    } else if (father >= 0 && mother >= 0) {
        double sum = 0;
        auto onMother = [&](int32_t length, int32_t turn) {
            int32_t common = turn < 0 ? mother : turn;
            sum += std::ldexp(m_results[common].*kind.value + 1, -length);
        };
        if (!WalkBetweenParents(person, kind.x, onMother, guard)) return false;
        value = sum / 2;
    }
    m_results[person].*kind.value = value;
    m_results[person].*kind.done = true;
    return true;
}

template <typename OnMother>
bool InbreedingEnumerator::WalkBetweenParents(int32_t person, bool x, OnMother onMother,
                                              WalkGuard& guard)
{
    int32_t father = m_graph.Father(person), mother = m_graph.Mother(person);
    PrepareScratch();
    MarkAncestors(mother);
    MarkReaching(father);
    CoancestryRules<OnMother> rules{m_graph, m_marks, mother, x, onMother};
    bool complete = WalkPaths(m_graph, m_walk, rules, father, 0, false, guard);
    ClearMarks();
    return complete;
}

void InbreedingEnumerator::PrepareScratch()
{
    if (static_cast<int32_t>(m_marks.size()) == m_graph.Size()) return;
    m_marks.assign(m_graph.Size(), 0);
    m_seen.assign(m_graph.Size(), 0);
    m_expanded.assign(m_graph.Size(), 0);
    m_walk = WalkScratch(m_graph.Size());
}

void InbreedingEnumerator::MarkAncestors(int32_t mother)
{
    std::vector<int32_t> stack{mother};
    m_marks[mother] |= kMarked;
    m_touched.push_back(mother);
    while (!stack.empty()) {
        int32_t p = stack.back();
        stack.pop_back();
        for (int32_t parent : {m_graph.Father(p), m_graph.Mother(p)}) {
            if (parent < 0 || (m_marks[parent] & kMarked)) continue;
            m_marks[parent] |= kMarked;
            m_touched.push_back(parent);
            stack.push_back(parent);
        }
    }
}

void InbreedingEnumerator::MarkReaching(int32_t father)
{
    std::vector<int32_t> order = AncestorsChildrenFirst(m_graph, father, m_seen);
    for (auto p = order.rbegin(); p != order.rend(); ++p) {
        int32_t f = m_graph.Father(*p), m = m_graph.Mother(*p);
        bool reaches = (m_marks[*p] & kMarked) || (f >= 0 && (m_marks[f] & kReaches)) ||
                       (m >= 0 && (m_marks[m] & kReaches));
        if (!reaches) continue;
        m_marks[*p] |= kReaches;
        m_touched.push_back(*p);
    }
}

void InbreedingEnumerator::ClearMarks()
{
    for (int32_t p : m_touched) m_marks[p] = 0;
    m_touched.clear();
}

}  // namespace qv
