// The engine's life cycle: root changes, required persons, Calculate and the getters.
#include "calc/calc_class.h"

#include <algorithm>

#include "calc/generation_values.h"
#include "data/ahnen_data.h"
#include "data/cycle_check.h"
#include "data/error.h"

namespace qv {

TCalcClass::TCalcClass(const TAhnenData& data, ProgressCallback progress)
    : m_data(data),
      m_progress(std::move(progress)),
      m_results(data.Persons.size()),
      m_required(data.Persons.size(), false),
      m_graph(data),
      m_bloodLinks(m_graph, false),
      m_xLinks(m_graph, true),
      m_bloodTurns(m_bloodLinks, false, true),
      m_xTurns(m_xLinks, false, false),
      m_inbreeding(data, m_bloodLinks, m_xLinks, m_bloodTurns, m_results)
{
}

bool TCalcClass::Report(const std::string& text, int64_t position, int64_t maximum) const
{
    return ReportProgress(m_progress, text, position, maximum);
}

void TCalcClass::SetProband(int64_t person)
{
    if (person == m_proband) return;
    m_proband = person;
    DiscardRootResults();
    if (person < 0) return;
    if (HasRoot()) {
        int64_t cyclic = FindCycleInAncestry(m_data, person);
        if (cyclic >= 0) {
            m_proband = -1;
            throw Error(CycleMessage(m_data, cyclic));
        }
        EnsureKekuleMin();
        // The tables read every person's direct counts, as the getters would, so a root
        // change makes every person required; an output narrows this with SetRequired.
        if (ComputeTables()) m_required.assign(m_required.size(), true);
    }
    Report("", 0, 100);
}

void TCalcClass::DiscardRootResults()
{
    m_founderShares.reset();
    for (TPersonResult& r : m_results) {
        for (CountArray* a : {&r.Paths, &r.PathsX1, &r.PathsX2, &r.DirectX1, &r.DirectX2,
                              &r.DirectUp, &r.DirectDown})
            *a = CountArray();
        r.KekuleNumbers.clear();
        r.KekuleXNumbers.clear();
        r.C = 0;
        r.KekuleMin = 0;
        r.PathsDone = r.DirectDone = r.PathsX1Done = r.PathsX2Done = false;
        r.DirectX1Done = r.DirectX2Done = r.CDone = r.KekuleMinDone = r.KekuleDone = false;
    }
    m_depthCut = false;
}

void TCalcClass::SetRequired(const TArrayOfBoolean& required)
{
    for (size_t i = 0; i < m_required.size(); ++i)
        m_required[i] = i < required.size() && required[i];
}

void TCalcClass::AddRequired(const TArrayOfBoolean& required)
{
    for (size_t i = 0; i < std::min(m_required.size(), required.size()); ++i)
        if (required[i]) m_required[i] = true;
}

bool TCalcClass::Calculate(uint16_t flags)
{
    if (flags & kCalcKekule) {
        if (Report("Berechne <Kekule>", 0, 1)) return false;
        EnsureKekuleLists();
    }
    EnsureKekuleMin();
    bool complete = ComputeTables();
    complete = RunPersonWork(flags | kCalcDirectPaths) && complete;
    if (flags & kCalcC)
        complete =
            ForRequired("Berechne <c>", &TPersonResult::CDone, &TCalcClass::EnsureC) && complete;
    Report("", 0, 100);
    return complete;
}

bool TCalcClass::ComputeTables()
{
    if (Report("Berechnungen für Generationen", 0, 100)) return false;
    if (!HasRoot()) return true;
    EnsureKekuleMin();
    EnsureDirectPaths();
    ComputeGenerationTables(m_tables, m_graph, m_results);
    return true;
}

bool TCalcClass::RunPersonWork(uint16_t flags)
{
    if (flags & (kCalcFW | kCalcFX)) m_inbreeding.PlanSweeps(m_required);
    if ((flags & kCalcF) &&
        !ForRequired("Berechne <f>", &TPersonResult::FDone, &TCalcClass::EnsureF))
        return false;
    if ((flags & kCalcFW) &&
        !ForRequired("Berechne <fw>", &TPersonResult::FWDone, &TCalcClass::EnsureFW))
        return false;
    if ((flags & kCalcFX) &&
        !ForRequired("Berechne <fx>", &TPersonResult::FXDone, &TCalcClass::EnsureFX))
        return false;
    if (Report("Berechne <gbd>", 0, 100)) return false;
    EnsureDirectPaths();
    if (flags & kCalcPaths) {
        WalkGuard guard(m_progress, "Berechne <gb>");
        if (Report("Berechne <gb>", 0, 100) || !EnsurePaths(guard)) return false;
    }
    if (flags & (kCalcPathsX1 | kCalcPathsX2)) {
        if (Report("Berechne <gbx(d)>", 0, 100)) return false;
        EnsureDirectXPaths();
        WalkGuard guard(m_progress, "Berechne <gbx>");
        return !Report("Berechne <gbx>", 0, 100) && EnsureXPaths(guard);
    }
    if (flags & (kCalcDirectX1 | kCalcDirectX2)) {
        if (Report("Berechne <gbx(d)>", 0, 100)) return false;
        EnsureDirectXPaths();
    }
    return true;
}

bool TCalcClass::ForRequired(const std::string& text, bool TPersonResult::*done,
                             bool (TCalcClass::*compute)(int32_t, WalkGuard&))
{
    int64_t count = PersonCount();
    for (int32_t p = 0; p < count; ++p) {
        if (!m_required[p] || m_results[p].*done) continue;
        if (Report(text, p, count)) return false;
        WalkGuard guard(m_progress, text, p, count);
        if (!(this->*compute)(p, guard)) return false;
    }
    return true;
}

// The groups asked about here are computed and discarded for all persons at once, so the
// first person's flag stands for every one; scanning them all made each getter call linear
// and a metrics run over every person of a long chain quadratic.
bool TCalcClass::AllDone(bool TPersonResult::*done) const
{
    return m_results.empty() || m_results.front().*done;
}

bool TCalcClass::DepthCut()
{
    EnsureDirectPaths();
    return m_depthCut;
}

std::string TCalcClass::GetGenerationText(const std::string& name, int64_t k) const
{
    return GenerationText(m_tables, name, k);
}

int64_t TCalcClass::GetGenerationInt(const std::string& name, int64_t k) const
{
    return GenerationInt(m_tables, name, k);
}

}  // namespace qv
