// F, FW and FX by enumerating the paths between a person's parents one by one: the reference
// that inbreeding.h is checked and measured against, and F's fallback for the rare ancestry in
// which a person is its own ancestor.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/path_walk.h"
#include "calc/person_result.h"

namespace qv {

class FamilyGraph;
class TAhnenData;

// Computes into the engine's person results and keeps its scratch arrays between persons.
// Each Compute returns false when the guard stopped it; the person is then left undone,
// and everything finished before stays valid.
class InbreedingEnumerator {
public:
    InbreedingEnumerator(const TAhnenData& data, const FamilyGraph& graph,
                         std::vector<TPersonResult>& results);

    // Wright's coefficient without the common ancestors' own inbreeding: half the sum of
    // 2^-n over the paths of n steps from the father to the mother.
    bool ComputeF(int32_t person, WalkGuard& guard);
    // With it: a path turning at x adds (FW(x) + 1) / 2^n. Ancestors are computed first,
    // and a full sibling's value is taken over. Throws Error for a cyclic ancestry.
    bool ComputeFW(int32_t person, WalkGuard& guard);
    // The X-chromosome coefficient along X-inheritance steps; 1 for a male person.
    bool ComputeFX(int32_t person, WalkGuard& guard);

private:
    struct Coefficient;
    bool Ensure(int32_t person, const Coefficient& kind, WalkGuard& guard);
    bool TakeFromSibling(int32_t person, const Coefficient& kind);
    bool ComputeOne(int32_t person, const Coefficient& kind, WalkGuard& guard);
    template <typename OnMother>
    bool WalkBetweenParents(int32_t person, bool x, OnMother onMother, WalkGuard& guard);
    void PrepareScratch();
    void MarkAncestors(int32_t mother);
    void MarkReaching(int32_t father);
    void ClearMarks();

    const TAhnenData& m_data;
    const FamilyGraph& m_graph;
    std::vector<TPersonResult>& m_results;
    // Per person: 1 = the mother or her ancestor, 2 = can reach such a person going up.
    std::vector<uint8_t> m_marks;
    std::vector<int32_t> m_touched;
    std::vector<uint8_t> m_seen;
    std::vector<uint8_t> m_expanded;
    WalkScratch m_walk{0};
};

}  // namespace qv
