// TCalcClass: the calculation engine that owns every pedigree-collapse result of a data object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/family_graph.h"
#include "calc/family_links.h"
#include "calc/founder_share.h"
#include "calc/generation_tables.h"
#include "calc/inbreeding.h"
#include "calc/path_count.h"
#include "calc/path_metrics.h"
#include "calc/person_result.h"
#include "calc/required_flags.h"
#include "data/array_types.h"
#include "data/progress.h"

namespace qv {

class TAhnenData;

// "kmin" of a person who is neither an ancestor nor a descendant of the root.
constexpr int64_t kNoKmin = 2147483647;

// Results are computed the first time they are asked for (or by Calculate, with progress
// and cancel) and cached per person until the root changes; F, FW and FX do not depend on
// the root and stay. The data object must outlive the engine and not change while it lives.
// Person indexes outside the data object's persons read as persons without any value.
class TCalcClass {
public:
    TCalcClass(const TAhnenData& data, ProgressCallback progress = {});
    TCalcClass(const TCalcClass&) = delete;
    TCalcClass& operator=(const TCalcClass&) = delete;

    // The root of all calculations (Kekule number 1); -1 = none.
    int64_t Proband() const { return m_proband; }
    const TAhnenData& Data() const { return m_data; }
    int64_t PersonCount() const { return static_cast<int64_t>(m_results.size()); }
    const std::vector<TPersonResult>& Results() const { return m_results; }
    const TArrayOfBoolean& Required() const { return m_required; }
    const GenerationTables& Generations() const { return m_tables; }

    // A new root discards every root-dependent result, then computes the smallest Kekule
    // numbers and the generation tables. Throws Error (and has no root) when the root's
    // ancestry is cyclic.
    void SetProband(int64_t person);
    // Entry i becomes required[i] (false where the array is shorter).
    void SetRequired(const TArrayOfBoolean& required);
    // Entry i becomes true where required[i] is.
    void AddRequired(const TArrayOfBoolean& required);
    // Computes in advance what the flag word selects (kCalc… of required_flags.h), with
    // progress; false when the progress callback asked to cancel (finished groups stay).
    bool Calculate(uint16_t flags);
    // Whether the root's ancestry reaches beyond generation 62, where Kekule numbers stop.
    bool DepthCut();

    // The getters: each marks the person required and computes its group if needed.
    TArrayOfInt64 GetPaths(int64_t person);
    // DirectUp if the person is an ancestor (or the root), else DirectDown.
    TArrayOfInt64 GetDirectPaths(int64_t person);
    TArrayOfInt64 GetPathsX1(int64_t person);
    TArrayOfInt64 GetPathsX2(int64_t person);
    TArrayOfInt64 GetDirectX1(int64_t person);
    TArrayOfInt64 GetDirectX2(int64_t person);
    double GetC(int64_t person);
    double GetF(int64_t person);
    double GetFW(int64_t person);
    double GetFX(int64_t person);
    int64_t GetKekuleMin(int64_t person);
    TArrayOfInt64 GetKekuleNumbers(int64_t person);
    TArrayOfInt64 GetKekuleXNumbers(int64_t person);

    // Per-person values by name ("gb(d)", "fw", "kekule-min" …): text, integer, real or
    // count array; unknown names give "", 0, 0.0 or an empty array.
    std::string GetValueText(const std::string& name, int64_t person);
    int64_t GetValueInt(const std::string& name, int64_t person);
    double GetValueReal(const std::string& name, int64_t person);
    TArrayOfInt64 GetValueArray(const std::string& name, int64_t person);

    // Per-generation values by name for generation k (0 root, ancestors negative).
    std::string GetGenerationText(const std::string& name, int64_t k) const;
    int64_t GetGenerationInt(const std::string& name, int64_t k) const;

private:
    bool HasRoot() const { return m_proband >= 0 && m_proband < PersonCount(); }
    bool Valid(int64_t person) const { return person >= 0 && person < PersonCount(); }
    bool Report(const std::string& text, int64_t position, int64_t maximum) const;
    void DiscardRootResults();
    bool ComputeTables();
    bool RunPersonWork(uint16_t flags);
    bool ForRequired(const std::string& text, bool TPersonResult::*done,
                     bool (TCalcClass::*compute)(int32_t, WalkGuard&));

    void EnsureKekuleLists();
    void EnsureKekuleMin();
    void EnsureDirectPaths();
    void EnsureDirectXPaths();
    bool EnsurePaths(WalkGuard& guard);
    bool EnsureXPaths(WalkGuard& guard);
    bool EnsureF(int32_t person, WalkGuard& guard);
    bool EnsureFW(int32_t person, WalkGuard& guard);
    bool EnsureFX(int32_t person, WalkGuard& guard);
    bool EnsureC(int32_t person, WalkGuard& guard);

    enum class Group { Paths, PathsX1, PathsX2, DirectX1, DirectX2, DirectUp, DirectDown };
    // A person's count array of a group, computed if needed; empty without a root.
    const CountArray& Counts(int64_t person, Group group);
    // The "(d)" array: DirectUp if the person is the root or an ancestor, else DirectDown.
    const CountArray& DirectOf(int64_t person);
    // The count array a path metric variant reads.
    CountArray VariantCounts(PathVariant variant, int64_t person);
    // "kmin": the signed generation of the nearest direct relationship, or kNoKmin.
    int64_t Kmin(int64_t person);
    // Whether a group computed for all persons at once (Kekule lists, direct and X counts) is.
    bool AllDone(bool TPersonResult::*done) const;

    int64_t m_proband = -1;
    const TAhnenData& m_data;
    ProgressCallback m_progress;
    GenerationTables m_tables;
    std::vector<TPersonResult> m_results;
    TArrayOfBoolean m_required;
    FamilyGraph m_graph;
    FamilyLinks m_bloodLinks;
    FamilyLinks m_xLinks;
    // Turning weights do not depend on the root: they are kept while the engine lives.
    ExactTurnWeights m_bloodTurns;
    ExactTurnWeights m_xTurns;
    InbreedingCalculator m_inbreeding;
    // Made for the root on the first "c" asked for.
    std::optional<FounderShares> m_founderShares;
    bool m_depthCut = false;
};

}  // namespace qv
