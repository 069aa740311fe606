// How a trial changes the crossings of one row: measured afresh on the pass's record, or as its
// change in the previous pass corrected for what the pass's own switch moved since.
#pragma once

#include <climits>
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

// Elements [Begin, End) that the trial moves alike; those before Switched are moved by the
// pass's switch too (for a fresh count, all of them).
struct TrialGroup {
    uint32_t Begin, Switched, End;
    Whereabouts Place;
};

// Per thread: marks per element of the row at hand.
struct RowScratch {
    std::vector<uint32_t> active, visited;
    uint32_t activeStamp = 0, visitedStamp = 0;
    std::vector<ActiveElement> elements;
    std::vector<TrialGroup> groups;
    std::vector<RowWindow> reach;  // where the ends of some elements can meet others
};

class RowDeltaCache;

// The trial's count of the row less the record's; moves are the elements the trial moves
// differently from most of the row, by move. Sets window for the record. The cache, when
// given, holds the pass's fresh counts.
int64_t FreshRowDelta(const RowRecords& records, int32_t row, const ElementMove* moves,
                      uint32_t count, RowWindow& window, RowScratch& scratch,
                      RowDeltaCache* cache = nullptr);

// For a trial that moves the row's elements relative to each other as in the previous pass:
// how much its change to the row's count differs from then. window, given for the previous
// record, is set for this one. The cache, when given, holds the pass's corrections.
int64_t RowDeltaCorrection(const RowRecords& records, int32_t row, const ElementMove* moves,
                           uint32_t count, RowWindow& window, RowScratch& scratch,
                           RowDeltaCache* cache = nullptr);

}  // namespace qv
