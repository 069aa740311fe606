// Inbreeding-type coefficients from the paths between a person's parents: F, FW and FX,
// summed over the turning persons (turn_weights.h) instead of path by path.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/family_links.h"
#include "calc/inbreeding_enumeration.h"
#include "calc/kinship_sweep.h"
#include "calc/line_arithmetic.h"
#include "calc/person_result.h"
#include "calc/turn_weights.h"
#include "calc/walk_guard.h"

namespace qv {

class TAhnenData;

// Computes into the engine's person results and keeps what it learnt about the ancestors
// between persons. Each Compute returns false when the guard stopped it; the person is then
// left undone, and everything finished before stays valid.
class InbreedingCalculator {
public:
    // bloodCounts: the engine's exact blood turning weights, shared with the path counts.
    InbreedingCalculator(const TAhnenData& data, const FamilyLinks& blood, const FamilyLinks& x,
                         TurnWeights<ExactCounts>& bloodCounts,
                         std::vector<TPersonResult>& results);

    // Wright's coefficient without the common ancestors' own inbreeding: half the sum of
    // 2^-n over the paths of n steps from the father to the mother. Taken from the exact path
    // counts (so it matches a walk that counts them), or, where they may have wrapped, from
    // the same sums in doubles. A cyclic ancestry is walked path by path.
    bool ComputeF(int32_t person, WalkGuard& guard);
    // With it: a path turning at x adds (FW(x) + 1) / 2^n. A full sibling's value is taken
    // over. Throws Error for a cyclic ancestry.
    bool ComputeFW(int32_t person, WalkGuard& guard);
    // The X-chromosome coefficient along X-inheritance steps; 1 for a male person.
    bool ComputeFX(int32_t person, WalkGuard& guard);
    // Before FW and FX of many persons: lets the first of them compute every person at once
    // where that is cheaper than the turning weights (kinship_sweep.h).
    void PlanSweeps(const std::vector<bool>& required);

private:
    bool CountsCannotWrap(int32_t person, const CountArray& paths) const;
    bool TakeFromSibling(int32_t person, double TPersonResult::*value, bool TPersonResult::*done,
                         bool sameSex);
    bool Finish(TurnWeights<HalvedSums>& weights, int32_t person, double TPersonResult::*value,
                bool TPersonResult::*done, WalkGuard& guard);
    bool Sweep(const FamilyLinks& links, bool pays, bool& swept, double TPersonResult::*value,
               bool TPersonResult::*done, WalkGuard& guard);

    const TAhnenData& m_data;
    const FamilyGraph& m_graph;
    std::vector<TPersonResult>& m_results;
    TurnWeights<ExactCounts>& m_bloodCounts;
    // F as sums in doubles, for parents whose counts may have wrapped.
    TurnWeights<HalvedSums> m_fSums;
    TurnWeights<HalvedSums> m_fw;
    TurnWeights<HalvedSums> m_fx;
    // Whether the sweep over all persons is to be tried (PlanSweeps), and whether it has been
    // (it gives up on very wide or odd data; the turning weights then compute the persons one
    // by one).
    bool m_sweepPays = false;
    bool m_fwSwept = false;
    bool m_fxSwept = false;
    InbreedingEnumerator m_walker;
};

}  // namespace qv
