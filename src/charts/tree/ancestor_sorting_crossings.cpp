// Crossing counts of the record and of the trials, with the memos that carry a trial's changes
// from pass to pass.
#include "charts/tree/ancestor_sorting_crossings.h"

#include <algorithm>
#include <numeric>

#include "charts/tree/ancestor_sorting_runner.h"

namespace qv {
namespace {

void Reset(std::vector<uint32_t>& marks, uint32_t& stamp, size_t size)
{
    if (marks.size() != size || ++stamp == 0) {
        marks.assign(size, 0);
        stamp = 1;
    }
}

}  // namespace

void CrossingTracker::Update(const std::vector<int32_t>& positions, int threads)
{
    const bool first = m_version < 0;
    m_records.Update(positions, threads);
    m_counts.resize(m_rows.RowCount());
    auto count = [&](size_t row, int) {
        if (first || !m_records.Switched(int32_t(row)).empty())
            m_counts[row] = m_rows.Count(int32_t(row), positions);
    };
    RunTrials(m_counts.size(), threads, count, [](size_t) { return false; });
    m_total = std::accumulate(m_counts.begin(), m_counts.end(), int64_t(0));
    ++m_version;
}

// The rows whose moved elements have to be found again: those of the persons the trial moves
// otherwise than in the previous pass (all that it moves without a memo of the previous pass).
void CrossingTracker::RowsToMeasure(const PackingTrial& trial, const CrossingMemo* memo,
                                    CrossingScratch& scratch) const
{
    Reset(scratch.rowMarks, scratch.rowStamp, size_t(m_rows.RowCount()));
    scratch.rows.clear();
    auto touch = [&scratch, this](int32_t person) {
        for (int32_t row : m_rows.RowsOf(person)) {
            if (scratch.rowMarks[row] == scratch.rowStamp) continue;
            scratch.rowMarks[row] = scratch.rowStamp;
            scratch.rows.push_back(row);
        }
    };
    if (!memo) {
        for (const MovedPerson& moved : trial.Moved()) touch(moved.first);
    } else if (memo->Moved == trial.Moved()) {
        // The same moves in the same order, as a trial whose part of the tree stayed as it was
        // makes them: nothing to measure again.
        return;
    } else {
        Reset(scratch.personMarks, scratch.personStamp, m_rows.PersonCount());
        scratch.personMoves.resize(m_rows.PersonCount());
        constexpr int32_t kSame = INT32_MIN;  // moved as before
        for (const MovedPerson& moved : memo->Moved) {
            scratch.personMarks[moved.first] = scratch.personStamp;
            scratch.personMoves[moved.first] = moved.second;
        }
        for (const MovedPerson& moved : trial.Moved()) {
            if (scratch.personMarks[moved.first] == scratch.personStamp &&
                scratch.personMoves[moved.first] == moved.second)
                scratch.personMoves[moved.first] = kSame;
            else
                touch(moved.first);
        }
        for (const MovedPerson& moved : memo->Moved)
            if (scratch.personMoves[moved.first] != kSame) touch(moved.first);
    }
    std::sort(scratch.rows.begin(), scratch.rows.end());
}

// A trial that moves every person as in the previous pass keeps its moved elements in every row;
// only its changes are corrected, in place.
int64_t CrossingTracker::Carry(CrossingMemo& memo, CrossingScratch& scratch) const
{
    int64_t total = m_total;
    for (CrossingMemo::Row& row : memo.Rows) {
        row.Delta +=
            RowDeltaCorrection(m_records, row.Index, memo.Moves.data() + row.FirstMove,
                               row.MoveCount, row.Window, scratch.row, &scratch.corrections);
        total += row.Delta;
    }
    memo.Version = m_version;
    return total;
}

// A row whose persons the trial moves as in the previous pass.
int64_t CrossingTracker::KeptRow(const CrossingMemo::Row& old, const CrossingMemo& memo,
                                 CrossingScratch& scratch) const
{
    const uint32_t first = uint32_t(scratch.moves.size());
    scratch.moves.insert(scratch.moves.end(), memo.Moves.begin() + old.FirstMove,
                         memo.Moves.begin() + old.FirstMove + old.MoveCount);
    RowWindow window = old.Window;
    const int64_t delta =
        old.Delta + RowDeltaCorrection(m_records, old.Index, scratch.moves.data() + first,
                                       old.MoveCount, window, scratch.row, &scratch.corrections);
    scratch.memoRows.push_back({old.Index, delta, first, old.MoveCount, window});
    return delta;
}

// A row whose persons the trial moves otherwise: its moved elements are found again; when they
// move relative to each other as then after all, the change is corrected, else measured afresh.
int64_t CrossingTracker::MeasuredRow(int32_t row, const PackingTrial& trial,
                                     const CrossingMemo* memo, const CrossingMemo::Row* old,
                                     CrossingScratch& scratch) const
{
    const uint32_t first = uint32_t(scratch.moves.size());
    m_records.FindMoves(row, trial.Positions(), scratch.moves, scratch.ends);
    const uint32_t count = uint32_t(scratch.moves.size()) - first;
    if (count == 0) return 0;
    const ElementMove* moves = scratch.moves.data() + first;
    int64_t delta;
    RowWindow window;
    if (memo && old && old->MoveCount == count &&
        std::equal(moves, moves + count, memo->Moves.data() + old->FirstMove)) {
        window = old->Window;
        delta = old->Delta + RowDeltaCorrection(m_records, row, moves, count, window, scratch.row,
                                                &scratch.corrections);
    } else {
        delta = FreshRowDelta(m_records, row, moves, count, window, scratch.row, &scratch.fresh);
    }
    scratch.memoRows.push_back({row, delta, first, count, window});
    return delta;
}

void CrossingTracker::Renew(CrossingScratch& scratch) const
{
    if (scratch.cacheVersion == m_version) return;
    scratch.corrections.Clear();
    scratch.fresh.Clear();
    scratch.cacheVersion = m_version;
}

int64_t CrossingTracker::TrialTotal(const PackingTrial& trial, CrossingMemo& memo,
                                    CrossingScratch& scratch) const
{
    Renew(scratch);
    const CrossingMemo* previous = memo.Version == m_version - 1 ? &memo : nullptr;
    RowsToMeasure(trial, previous, scratch);
    if (previous && scratch.rows.empty()) return Carry(memo, scratch);
    scratch.memoRows.clear();
    scratch.moves.clear();
    int64_t total = m_total;
    const CrossingMemo::Row* old = memo.Rows.data();
    const CrossingMemo::Row* oldEnd = previous ? old + memo.Rows.size() : old;
    auto measure = scratch.rows.begin();
    while (old != oldEnd || measure != scratch.rows.end()) {
        const int32_t row = measure == scratch.rows.end() ? INT32_MAX : *measure;
        if (old != oldEnd && old->Index < row) {
            total += KeptRow(*old++, memo, scratch);
            continue;
        }
        const CrossingMemo::Row* match = old != oldEnd && old->Index == row ? old++ : nullptr;
        total += MeasuredRow(row, trial, previous, match, scratch);
        ++measure;
    }
    // Copied rather than swapped, so that a memo keeps only the room its own trial needs.
    memo.Moved = trial.Moved();
    memo.Rows = scratch.memoRows;
    memo.Moves = scratch.moves;
    memo.Version = m_version;
    return total;
}

}  // namespace qv
