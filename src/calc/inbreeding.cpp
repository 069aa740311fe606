// F, FW and FX from the turning weights of the parents' common ancestors.
#include "calc/inbreeding.h"

#include "calc/family_graph.h"
#include "data/ahnen_data.h"
#include "data/cycle_check.h"
#include "data/error.h"

namespace qv {

InbreedingCalculator::InbreedingCalculator(const TAhnenData& data, const FamilyLinks& blood,
                                           const FamilyLinks& x,
                                           TurnWeights<ExactCounts>& bloodCounts,
                                           std::vector<TPersonResult>& results)
    : m_data(data),
      m_graph(blood.Graph()),
      m_results(results),
      m_bloodCounts(bloodCounts),
      m_fSums(blood, false, true),
      m_fw(blood, true, true),
      m_fx(x, true, true),
      m_walker(data, blood.Graph(), results)
{
}

bool InbreedingCalculator::ComputeF(int32_t person, WalkGuard& guard)
{
    TPersonResult& r = m_results[person];
    if (r.FDone) return true;
    double f = 0;
    if (m_graph.Father(person) >= 0 && m_graph.Mother(person) >= 0) {
        WeightOutcome outcome = m_bloodCounts.Ensure(person, guard);
        if (outcome == WeightOutcome::Stopped) return false;
        if (outcome == WeightOutcome::Cyclic) return m_walker.ComputeF(person, guard);
        const CountArray& paths = m_bloodCounts.ParentPaths(person);
        if (CountsCannotWrap(person, paths)) {
            f = HalvingSum(paths) / 2;
        } else {
            if (m_fSums.Ensure(person, guard) == WeightOutcome::Stopped) return false;
            f = m_fSums.ParentPaths(person) / 2;
        }
    }
    r.F = f;
    r.FDone = true;
    return true;
}

// A count of n-step paths between the parents is at most the product of their numbers of
// lines, and at most (n + 1) 2^n; below 2^63 the wrapping counts are the true ones.
bool InbreedingCalculator::CountsCannotWrap(int32_t person, const CountArray& paths) const
{
    constexpr int64_t kLongestSafe = 57;
    constexpr double kLimit = 9223372036854775808.0;
    if (paths.Size() - 1 <= kLongestSafe) return true;
    double lines = m_bloodCounts.UpLineTotal(m_graph.Father(person)) *
                   m_bloodCounts.DownLineTotal(m_graph.Mother(person));
    return lines < kLimit;
}

bool InbreedingCalculator::ComputeFW(int32_t person, WalkGuard& guard)
{
    if (m_results[person].FWDone ||
        TakeFromSibling(person, &TPersonResult::FW, &TPersonResult::FWDone, false))
        return true;
    if (!Sweep(m_fw.Links(), m_sweepPays, m_fwSwept, &TPersonResult::FW, &TPersonResult::FWDone,
               guard))
        return false;
    if (m_results[person].FWDone) return true;
    return Finish(m_fw, person, &TPersonResult::FW, &TPersonResult::FWDone, guard);
}

bool InbreedingCalculator::ComputeFX(int32_t person, WalkGuard& guard)
{
    if (m_results[person].FXDone ||
        TakeFromSibling(person, &TPersonResult::FX, &TPersonResult::FXDone, true))
        return true;
    if (!Sweep(m_fx.Links(), m_sweepPays, m_fxSwept, &TPersonResult::FX, &TPersonResult::FXDone,
               guard))
        return false;
    if (m_results[person].FXDone) return true;
    return Finish(m_fx, person, &TPersonResult::FX, &TPersonResult::FXDone, guard);
}

bool InbreedingCalculator::Finish(TurnWeights<HalvedSums>& weights, int32_t person,
                                  double TPersonResult::*value, bool TPersonResult::*done,
                                  WalkGuard& guard)
{
    // The ancestors computed on the way keep their values too, as a walk that computes them
    // first would.
    std::vector<int32_t> finished;
    WeightOutcome outcome = weights.Ensure(person, guard, &finished);
    finished.push_back(person);
    for (int32_t p : finished) {
        if (m_results[p].*done || !weights.Done(p)) continue;
        m_results[p].*value = weights.Coefficient(p);
        m_results[p].*done = true;
    }
    if (outcome == WeightOutcome::Cyclic) throw Error(CycleMessage(m_data, weights.CyclePerson()));
    return outcome == WeightOutcome::Done;
}

// The estimate reads only the family graph, which FW and FX share, so one serves both.
void InbreedingCalculator::PlanSweeps(const std::vector<bool>& required)
{
    if (m_fwSwept && m_fxSwept) return;
    std::vector<uint8_t> persons(m_graph.Size(), 0);
    for (size_t p = 0; p < persons.size() && p < required.size(); ++p) persons[p] = required[p];
    m_sweepPays = SweepPays(m_fw.Links(), persons);
}

// False only when the guard stopped the sweep; values already known stay as they are.
bool InbreedingCalculator::Sweep(const FamilyLinks& links, bool pays, bool& swept,
                                 double TPersonResult::*value, bool TPersonResult::*done,
                                 WalkGuard& guard)
{
    if (swept || !pays) return true;
    SweptCoefficients sweep;
    SweepOutcome outcome = SweepCoefficients(links, guard, sweep);
    if (outcome == SweepOutcome::Stopped) return false;
    swept = true;
    if (outcome == SweepOutcome::Declined) return true;
    for (size_t p = 0; p < m_results.size(); ++p) {
        if (!sweep.covered[p] || m_results[p].*done) continue;
        m_results[p].*value = sweep.value[p];
        m_results[p].*done = true;
    }
    return true;
}

// Full siblings share the value (for X only siblings of the same sex).
bool InbreedingCalculator::TakeFromSibling(int32_t person, double TPersonResult::*value,
                                           bool TPersonResult::*done, bool sameSex)
{
    int32_t family = m_data.Persons[person].ParentFamily;
    if (family < 0 || family >= static_cast<int32_t>(m_data.Families.size())) return false;
    for (int64_t sibling : m_data.Families[family].Children) {
        if (sibling == person || !m_graph.Contains(sibling)) continue;
        if (!(m_results[sibling].*done)) continue;
        if (sameSex && m_data.Persons[sibling].Sex != m_data.Persons[person].Sex) continue;
        m_results[person].*value = m_results[sibling].*value;
        m_results[person].*done = true;
        return true;
    }
    return false;
}

}  // namespace qv
