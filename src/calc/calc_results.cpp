// The engine's result groups: computing each when first needed, and the getters.
#include <algorithm>

#include "calc/calc_class.h"
#include "calc/direct_paths.h"
#include "calc/founder_share.h"
#include "calc/kekule_lists.h"
#include "calc/path_count.h"
#include "data/ahnen_data.h"

namespace qv {
namespace {

const CountArray kNoCounts;

}  // namespace

void TCalcClass::EnsureKekuleLists()
{
    if (!HasRoot() || AllDone(&TPersonResult::KekuleDone)) return;
    KekuleLists lists = ComputeKekuleLists(m_data, m_proband);
    for (size_t p = 0; p < m_results.size(); ++p) {
        m_results[p].KekuleNumbers = std::move(lists.Numbers[p]);
        m_results[p].KekuleXNumbers = std::move(lists.XNumbers[p]);
        m_results[p].KekuleDone = true;
    }
}

void TCalcClass::EnsureKekuleMin()
{
    if (!HasRoot() || AllDone(&TPersonResult::KekuleMinDone)) return;
    std::vector<int64_t> smallest = ComputeKekuleMin(m_graph, static_cast<int32_t>(m_proband));
    for (size_t p = 0; p < m_results.size(); ++p) {
        m_results[p].KekuleMin = smallest[p];
        m_results[p].KekuleMinDone = true;
    }
}

void TCalcClass::EnsureDirectPaths()
{
    if (!HasRoot() || AllDone(&TPersonResult::DirectDone)) return;
    DirectCounts counts = CountDirectPaths(m_graph, static_cast<int32_t>(m_proband));
    m_depthCut = false;
    for (size_t p = 0; p < m_results.size(); ++p) {
        m_depthCut = m_depthCut || counts.Up[p].Size() > kMaxKekuleGeneration + 1;
        m_results[p].DirectUp = std::move(counts.Up[p]);
        m_results[p].DirectDown = std::move(counts.Down[p]);
        m_results[p].DirectDone = true;
    }
}

void TCalcClass::EnsureDirectXPaths()
{
    if (!HasRoot() ||
        (AllDone(&TPersonResult::DirectX1Done) && AllDone(&TPersonResult::DirectX2Done)))
        return;
    XCounts counts = CountDirectXPaths(m_graph, static_cast<int32_t>(m_proband));
    for (size_t p = 0; p < m_results.size(); ++p) {
        m_results[p].DirectX1 = std::move(counts.X1[p]);
        m_results[p].DirectX2 = std::move(counts.X2[p]);
        m_results[p].DirectX1Done = m_results[p].DirectX2Done = true;
    }
}

bool TCalcClass::EnsurePaths(WalkGuard& guard)
{
    if (!HasRoot()) return true;
    std::vector<uint8_t> targets(m_results.size(), 0);
    for (size_t p = 0; p < m_results.size(); ++p)
        targets[p] = m_required[p] && !m_results[p].PathsDone;
    if (std::none_of(targets.begin(), targets.end(), [](uint8_t t) { return t != 0; })) return true;
    auto counts = CountPaths(m_bloodTurns, static_cast<int32_t>(m_proband), targets, guard);
    if (!counts) return false;
    for (size_t p = 0; p < m_results.size(); ++p) {
        if (!targets[p]) continue;
        m_results[p].Paths = std::move((*counts)[p]);
        m_results[p].PathsDone = true;
    }
    return true;
}

bool TCalcClass::EnsureXPaths(WalkGuard& guard)
{
    if (!HasRoot() ||
        (AllDone(&TPersonResult::PathsX1Done) && AllDone(&TPersonResult::PathsX2Done)))
        return true;
    auto counts = CountXPaths(m_xTurns, static_cast<int32_t>(m_proband), guard);
    if (!counts) return false;
    for (size_t p = 0; p < m_results.size(); ++p) {
        m_results[p].PathsX1 = std::move(counts->X1[p]);
        m_results[p].PathsX2 = std::move(counts->X2[p]);
        m_results[p].PathsX1Done = m_results[p].PathsX2Done = true;
    }
    return true;
}

bool TCalcClass::EnsureF(int32_t person, WalkGuard& guard)
{
    return m_inbreeding.ComputeF(person, guard);
}

bool TCalcClass::EnsureFW(int32_t person, WalkGuard& guard)
{
    return m_inbreeding.ComputeFW(person, guard);
}

bool TCalcClass::EnsureFX(int32_t person, WalkGuard& guard)
{
    return m_inbreeding.ComputeFX(person, guard);
}

bool TCalcClass::EnsureC(int32_t person, WalkGuard& guard)
{
    if (!HasRoot() || m_results[person].CDone) return true;
    // The founder share reads the root's direct lines; they may be missing when the
    // generation tables were cancelled after the root changed.
    EnsureDirectPaths();
    if (!m_founderShares) m_founderShares.emplace(m_graph, m_results);
    std::optional<double> c = m_founderShares->C(person, guard);
    if (!c) return false;
    m_results[person].C = *c;
    m_results[person].CDone = true;
    return true;
}

const CountArray& TCalcClass::Counts(int64_t person, Group group)
{
    if (!Valid(person)) return kNoCounts;
    m_required[person] = true;
    WalkGuard onDemand;
    TPersonResult& r = m_results[person];
    switch (group) {
        case Group::Paths:
            if (!r.PathsDone) EnsurePaths(onDemand);
            return r.Paths;
        case Group::PathsX1:
        case Group::PathsX2:
            if (!r.PathsX1Done || !r.PathsX2Done) EnsureXPaths(onDemand);
            return group == Group::PathsX1 ? r.PathsX1 : r.PathsX2;
        case Group::DirectX1:
        case Group::DirectX2:
            if (!r.DirectX1Done || !r.DirectX2Done) EnsureDirectXPaths();
            return group == Group::DirectX1 ? r.DirectX1 : r.DirectX2;
        default:
            if (!r.DirectDone) EnsureDirectPaths();
            return group == Group::DirectUp ? r.DirectUp : r.DirectDown;
    }
}

const CountArray& TCalcClass::DirectOf(int64_t person)
{
    const CountArray& up = Counts(person, Group::DirectUp);
    return up.Empty() ? Counts(person, Group::DirectDown) : up;
}

TArrayOfInt64 TCalcClass::GetPaths(int64_t person)
{
    return Counts(person, Group::Paths).ToArray();
}

TArrayOfInt64 TCalcClass::GetDirectPaths(int64_t person)
{
    return DirectOf(person).ToArray();
}

TArrayOfInt64 TCalcClass::GetPathsX1(int64_t person)
{
    return Counts(person, Group::PathsX1).ToArray();
}

TArrayOfInt64 TCalcClass::GetPathsX2(int64_t person)
{
    return Counts(person, Group::PathsX2).ToArray();
}

TArrayOfInt64 TCalcClass::GetDirectX1(int64_t person)
{
    return Counts(person, Group::DirectX1).ToArray();
}

TArrayOfInt64 TCalcClass::GetDirectX2(int64_t person)
{
    return Counts(person, Group::DirectX2).ToArray();
}

double TCalcClass::GetC(int64_t person)
{
    if (!Valid(person)) return 0;
    m_required[person] = true;
    WalkGuard onDemand;
    EnsureC(static_cast<int32_t>(person), onDemand);
    return m_results[person].C;
}

double TCalcClass::GetF(int64_t person)
{
    if (!Valid(person)) return 0;
    m_required[person] = true;
    WalkGuard onDemand;
    EnsureF(static_cast<int32_t>(person), onDemand);
    return m_results[person].F;
}

double TCalcClass::GetFW(int64_t person)
{
    if (!Valid(person)) return 0;
    m_required[person] = true;
    WalkGuard onDemand;
    EnsureFW(static_cast<int32_t>(person), onDemand);
    return m_results[person].FW;
}

double TCalcClass::GetFX(int64_t person)
{
    if (!Valid(person)) return 0;
    m_required[person] = true;
    WalkGuard onDemand;
    EnsureFX(static_cast<int32_t>(person), onDemand);
    return m_results[person].FX;
}

int64_t TCalcClass::GetKekuleMin(int64_t person)
{
    if (!Valid(person)) return 0;
    m_required[person] = true;
    if (!m_results[person].KekuleMinDone) EnsureKekuleMin();
    return m_results[person].KekuleMin;
}

TArrayOfInt64 TCalcClass::GetKekuleNumbers(int64_t person)
{
    if (!Valid(person)) return {};
    m_required[person] = true;
    if (!m_results[person].KekuleDone) EnsureKekuleLists();
    return m_results[person].KekuleNumbers;
}

TArrayOfInt64 TCalcClass::GetKekuleXNumbers(int64_t person)
{
    if (!Valid(person)) return {};
    m_required[person] = true;
    if (!m_results[person].KekuleDone) EnsureKekuleLists();
    return m_results[person].KekuleXNumbers;
}

}  // namespace qv
