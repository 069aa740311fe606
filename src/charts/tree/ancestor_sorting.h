// "Sortierung" of the ancestor chart: which families place the mother before the father. Each
// pass applies the one switch that helps most, exactly as the straightforward passes
// (ReferenceAncestorSorter) choose it, but a trial repacks and remeasures only what its switch
// changes, a trial whose part of the tree the last applied switch left alone is not packed again,
// and the trials of a pass run on every core.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_crossings.h"
#include "charts/tree/ancestor_sorting_families.h"
#include "charts/tree/ancestor_sorting_lengths.h"
#include "charts/tree/ancestor_sorting_rows.h"
#include "charts/tree/tetris_vorfahren_changes.h"
#include "charts/tree/tetris_vorfahren_record.h"
#include "charts/tree/tetris_vorfahren_trial.h"
#include "data/progress.h"

namespace qv {

class AncestorSorter {
public:
    // switched is the array the input's FamilySwitched refers to; the passes flip its entries.
    // threads: how many threads a pass's trials use, 0 for one per core.
    AncestorSorter(const TAhnenData& data, const TArrayOfBoolean& drawn,
                   const AncestorPackingInput& input, TArrayOfBoolean& switched,
                   ProgressCallback progress, int threads = 0);

    // AT_SORTING 1 minimises the line length; 2 the crossings and then the width without
    // adding crossings. Passes repeat while they improve. False when cancelled (the pass
    // that was running is not applied).
    bool Run(uint8_t sorting);

private:
    struct Worker {
        PackingTrial trial;
        CrossingScratch crossings;
        LengthScratch lengths;
    };
    // What the trials of a pass are measured against.
    struct PassStart {
        SortingMeasure measure;
        double cost;
        int64_t crossings;  // the record's, for the width pass
    };

    bool Pass(SortingMeasure measure, const std::vector<int32_t>& families, bool& changed);
    PassStart Record(SortingMeasure measure);
    // The record's own measure, with the rows taken again where needed.
    PassStart Measure(SortingMeasure measure, const PackingRecord& record);
    const PackingRecord& Current() const { return m_records[m_current]; }
    double TrialCost(const PassStart& start, int32_t family, Worker& worker);
    double KeptCost(const PassStart& start, int32_t family, Worker& worker);
    bool WidthWins(const PassStart& start, int32_t width, int32_t family, Worker& worker);

    const AncestorPackingInput& m_input;
    TArrayOfBoolean& m_switched;
    ProgressCallback m_progress;
    int m_threads;
    SortingFamilies m_families;
    RowCrossings m_rowCrossings;
    CrossingTracker m_crossings;
    LineLengths m_lengths;
    // The pass's record and the previous pass's, and what changed between them.
    PackingRecord m_records[2];
    int m_current = 0;
    PackingChanges m_changes;
    int32_t m_applied = -1;  // the family the last pass switched, -1 for none
    std::vector<Worker> m_workers;
    // Per family, from its last trial.
    std::vector<CrossingMemo> m_memos;
    std::vector<TrialReach> m_reaches;
};

}  // namespace qv
