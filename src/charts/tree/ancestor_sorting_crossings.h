// The crossing count of the ancestor chart, for a pass's record and for each trial. A trial
// changes only the rows whose lines it moves relative to each other; from one pass to the next
// it keeps its change to every row whose lines it moves as before, corrected for what the
// pass's own switch moved there.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_row_cache.h"
#include "charts/tree/ancestor_sorting_row_delta.h"
#include "charts/tree/ancestor_sorting_row_records.h"
#include "charts/tree/tetris_vorfahren_trial.h"

namespace qv {

// What a family's last trial left for the next pass.
struct CrossingMemo {
    struct Row {
        int32_t Index;
        int64_t Delta;  // the trial's count less the record's
        uint32_t FirstMove, MoveCount;
        RowWindow Window;  // in the record
    };
    int64_t Version = INT64_MIN;  // the record it was measured on
    std::vector<MovedPerson> Moved;
    std::vector<Row> Rows;  // by row
    std::vector<ElementMove> Moves;
};

// Per thread.
struct CrossingScratch {
    std::vector<uint32_t> rowMarks;
    uint32_t rowStamp = 0;
    std::vector<int32_t> rows;
    // Per person: whether it is in the memo's moves, and with which move.
    std::vector<uint32_t> personMarks;
    std::vector<int32_t> personMoves;
    uint32_t personStamp = 0;
    std::vector<CrossingMemo::Row> memoRows;
    std::vector<ElementMove> moves;
    std::vector<LineEnds> ends;
    RowScratch row;
    // The row changes this thread worked out in the pass.
    RowDeltaCache corrections, fresh;
    int64_t cacheVersion = -1;
};

class CrossingTracker {
public:
    explicit CrossingTracker(const RowCrossings& rows) : m_rows(rows), m_records(rows) {}

    // The pass's record: counts again the rows whose lines it moved relative to each other,
    // on up to threads threads.
    void Update(const std::vector<int32_t>& positions, int threads = 1);
    int64_t Total() const { return m_total; }
    // The trial's count. The memo is the trial's family's own; calls for different memos may
    // run at the same time, but not with Update.
    int64_t TrialTotal(const PackingTrial& trial, CrossingMemo& memo,
                       CrossingScratch& scratch) const;
    // Whether the memo was left by a trial on the previous record.
    bool Remembers(const CrossingMemo& memo) const { return memo.Version == m_version - 1; }
    // The count of a trial known to move every person as the memo's trial did (which the
    // memo must remember), without the trial.
    int64_t KeptTotal(CrossingMemo& memo, CrossingScratch& scratch) const
    {
        Renew(scratch);
        return Carry(memo, scratch);
    }

private:
    void RowsToMeasure(const PackingTrial& trial, const CrossingMemo* memo,
                       CrossingScratch& scratch) const;
    int64_t Carry(CrossingMemo& memo, CrossingScratch& scratch) const;
    // Forgets the scratch's row changes of an earlier pass.
    void Renew(CrossingScratch& scratch) const;
    int64_t KeptRow(const CrossingMemo::Row& old, const CrossingMemo& memo,
                    CrossingScratch& scratch) const;
    int64_t MeasuredRow(int32_t row, const PackingTrial& trial, const CrossingMemo* memo,
                        const CrossingMemo::Row* old, CrossingScratch& scratch) const;

    const RowCrossings& m_rows;
    RowRecords m_records;
    int64_t m_version = -1;
    std::vector<int64_t> m_counts;  // per row
    int64_t m_total = 0;
};

}  // namespace qv
