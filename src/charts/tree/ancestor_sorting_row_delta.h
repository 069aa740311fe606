// How a trial changes the crossings of one row: measured afresh on the pass's record, or as its
// change in the previous pass corrected for what the pass's own switch moved since.
#pragma once

#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_row_records.h"

namespace qv {

// An element the trial or the pass's switch moves differently from most of its row.
struct ActiveElement {
    int32_t Element;
    ElementMove Trial, Switch;  // their Element is unused
    Whereabouts Place;
    LineEnds Now, Then;  // in the pass's record and the previous one (for corrections)
    bool Couple;
};

// Per thread: marks per element of the row at hand.
struct RowScratch {
    std::vector<uint32_t> active, visited;
    std::vector<int32_t> slot;  // per element: its place in elements
    uint32_t activeStamp = 0, visitedStamp = 0;
    std::vector<ActiveElement> elements;
    std::vector<MoveClass> classes;
    std::vector<Whereabouts> places;
};

// The trial's count of the row less the record's; moves are the elements the trial moves
// differently from most of the row, by move.
int64_t FreshRowDelta(const RowRecords& records, int32_t row, const ElementMove* moves,
                      uint32_t count, RowScratch& scratch);

// For a trial that moves the row's elements relative to each other as in the previous pass:
// how much its change to the row's count differs from then.
int64_t RowDeltaCorrection(const RowRecords& records, int32_t row, const ElementMove* moves,
                           uint32_t count, RowScratch& scratch);

}  // namespace qv
