// Every row of the ancestor chart as a sorting pass sees it: its lines in the pass's record and
// in the previous pass's, and the lines that the step between them moved differently from most
// of the row.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "charts/tree/ancestor_sorting_row_index.h"
#include "charts/tree/ancestor_sorting_rows.h"

namespace qv {

// An element's move at both ends, less the move of most of its row. Lists of them are sorted by
// move, then element, so that equal moves form classes.
struct ElementMove {
    int32_t Element;
    int32_t First, Second;

    bool operator==(const ElementMove&) const = default;
    bool Moves() const { return First != 0 || Second != 0; }
    LineEnds Applied(LineEnds ends) const { return {ends.first + First, ends.second + Second}; }
    bool SameMove(const ElementMove& other) const
    {
        return First == other.First && Second == other.Second;
    }
    bool operator<(const ElementMove& other) const
    {
        if (First != other.First) return First < other.First;
        return Second != other.Second ? Second < other.Second : Element < other.Element;
    }
};

// Whether two elements cross alike before and after equal moves: always when the move takes
// both ends alike; else only when both are segments or both couples (a couple's partners move
// apart from a segment's upper end).
inline bool MovedAlike(const ElementMove& a, bool aCouple, const ElementMove& b, bool bCouple)
{
    return a.SameMove(b) && (a.First == a.Second || aCouple == bCouple);
}

// Where an element (or a class of them) lies, in the previous record and in this one, before
// and after a trial moves it.
struct Whereabouts {
    int32_t ThenLow = INT32_MAX, ThenHigh = INT32_MIN;
    int32_t NowLow = INT32_MAX, NowHigh = INT32_MIN;

    void Take(const Whereabouts& other)
    {
        ThenLow = std::min(ThenLow, other.ThenLow);
        ThenHigh = std::max(ThenHigh, other.ThenHigh);
        NowLow = std::min(NowLow, other.NowLow);
        NowHigh = std::max(NowHigh, other.NowHigh);
    }
    // Whether the two come near each other, then or now.
    bool Near(const Whereabouts& other) const
    {
        return (ThenLow <= other.ThenHigh && other.ThenLow <= ThenHigh) ||
               (NowLow <= other.NowHigh && other.NowLow <= NowHigh);
    }
};

// Elements [Begin, End) of a list with equal moves, and where they lie.
struct MoveClass {
    uint32_t Begin, End;
    Whereabouts Place;
};

class RowRecords {
public:
    explicit RowRecords(const RowCrossings& rows) : m_rows(rows) {}

    // A new record; the one before is kept. The rows are taken on up to threads threads.
    void Update(const std::vector<int32_t>& positions, int threads = 1);

    const RowCrossings& Rows() const { return m_rows; }
    const RowIndex& Now(int32_t row) const { return m_now[row]; }
    const RowIndex& Then(int32_t row) const { return m_then[row]; }
    // The elements the step from the previous record moved differently from most of the row.
    const std::vector<ElementMove>& Switched(int32_t row) const { return m_switched[row]; }
    const std::vector<MoveClass>& SwitchedClasses(int32_t row) const { return m_classes[row]; }
    // Where each switched element lies, unmoved by a trial, now and then (as Switched).
    const std::vector<Whereabouts>& SwitchedPlaces(int32_t row) const { return m_places[row]; }
    // How far the element's ends lay in the previous record (a switched element's: the
    // stretches they swept through in the step) from every stretch that the ends of an element
    // the switch moved otherwise swept through (0 where they meet; only for rows the step
    // changed). Two elements the switch did not move alike cross alike in both records while a
    // trial moves them by less than this, together.
    int32_t SwitchGap(int32_t row, int32_t element) const { return m_gaps[row][element]; }
    // The element's place in Switched, -1 when the step moved it with most of the row.
    int32_t SwitchIndex(int32_t row, int32_t element) const { return m_switchIndex[row][element]; }

    // How far the step from the previous record moved the row's other elements (at both ends).
    int32_t CommonMove(int32_t row) const { return m_common[row]; }

    // Appends the elements that moving from this record's positions to the given ones moves
    // differently from most of the row (ends is scratch); answers the move of the others.
    int32_t FindMoves(int32_t row, const std::vector<int32_t>& to, std::vector<ElementMove>& moves,
                      std::vector<LineEnds>& ends) const;
    // Where the element lies before and after the move, now and (when asked) then.
    Whereabouts Locate(int32_t row, const ElementMove& move, bool then) const;

private:
    void ClassifySwitched(int32_t row);
    void AddSweep(int32_t row, int32_t element, std::vector<RowWindow>& windows) const;
    void MeasureGaps(int32_t row);
    void MeasureSwitchedGaps(int32_t row, const std::vector<RowWindow>& rest);

    const RowCrossings& m_rows;
    std::vector<RowIndex> m_now, m_then;
    std::vector<std::vector<ElementMove>> m_switched;
    std::vector<std::vector<MoveClass>> m_classes;
    std::vector<std::vector<Whereabouts>> m_places;
    std::vector<std::vector<int32_t>> m_switchIndex;
    std::vector<std::vector<int32_t>> m_gaps;
    std::vector<int32_t> m_common;
};

}  // namespace qv
