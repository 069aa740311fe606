// A row's count is a sum over pairs of its elements, and a pair crosses differently only when
// its two elements move differently and come near each other. So only such pairs are looked
// at: classes of elements moved alike against each other, and against the unmoved elements
// found near them. A correction looks at four positions of each pair (the trial and its record,
// now and in the previous pass); its pairs must move differently both in the trial and in the
// step between the two records.
#include "charts/tree/ancestor_sorting_row_delta.h"

#include <algorithm>
#include <tuple>

namespace qv {
namespace {

void ResetAtLeast(std::vector<uint32_t>& marks, uint32_t& stamp, size_t size)
{
    if (marks.size() < size || ++stamp == 0) {
        marks.assign(std::max(size, marks.size()), 0);
        stamp = 1;
    }
}

ActiveElement MakeActive(const RowRecords& records, int32_t row, const ElementMove& trial,
                         const ElementMove& moved, const Whereabouts& place, bool correction)
{
    const int32_t element = trial.Element;
    return {element,
            trial,
            moved,
            place,
            records.Now(row).Ends(element),
            correction ? records.Then(row).Ends(element) : LineEnds{},
            records.Rows().Elements(row)[element].Child < 0};
}

class PairSum {
public:
    PairSum(const RowRecords& records, int32_t row, bool correction, RowScratch& scratch)
        : m_records(records),
          m_row(row),
          m_correction(correction),
          m_elements(records.Rows().Elements(row)),
          m_scratch(scratch)
    {
    }

    // Over the pairs of scratch.elements (sorted into classes) and of them with the rest.
    int64_t Run() const;
    // How much more the pair crosses in the trial than in its record (less the same difference
    // in the previous pass, for a correction).
    int64_t Term(const ActiveElement& a, const ActiveElement& b) const;

private:
    bool Differ(const ActiveElement& a, const ActiveElement& b) const
    {
        return !a.Trial.SameMove(b.Trial) && (!m_correction || !a.Switch.SameMove(b.Switch));
    }
    bool MovesAgainstRest(const ActiveElement& a) const
    {
        return a.Trial.Moves() && (!m_correction || a.Switch.Moves());
    }
    int64_t Between(size_t aBegin, size_t aEnd, size_t bBegin, size_t bEnd) const;
    int64_t AgainstRest(size_t begin, size_t end, const Whereabouts& place) const;

    const RowRecords& m_records;
    const int32_t m_row;
    const bool m_correction;
    const std::vector<RowCrossings::Element>& m_elements;
    RowScratch& m_scratch;
};

int64_t PairSum::Term(const ActiveElement& a, const ActiveElement& b) const
{
    auto cross = [&a, &b](LineEnds aEnds, LineEnds bEnds) {
        return int64_t(RowCrossings::Cross(a.Couple, aEnds, b.Couple, bEnds));
    };
    const int64_t term =
        cross(a.Trial.Applied(a.Now), b.Trial.Applied(b.Now)) - cross(a.Now, b.Now);
    if (!m_correction) return term;
    return term - cross(a.Trial.Applied(a.Then), b.Trial.Applied(b.Then)) + cross(a.Then, b.Then);
}

int64_t PairSum::Between(size_t aBegin, size_t aEnd, size_t bBegin, size_t bEnd) const
{
    const std::vector<ActiveElement>& active = m_scratch.elements;
    int64_t sum = 0;
    for (size_t i = aBegin; i < aEnd; ++i)
        for (size_t j = bBegin; j < bEnd; ++j)
            if (active[i].Place.Near(active[j].Place)) sum += Term(active[i], active[j]);
    return sum;
}

// A class against the elements neither the trial nor the switch moves that come near it.
int64_t PairSum::AgainstRest(size_t begin, size_t end, const Whereabouts& place) const
{
    ResetAtLeast(m_scratch.visited, m_scratch.visitedStamp, m_elements.size());
    int64_t sum = 0;
    auto visit = [&](int32_t other) {
        if (m_scratch.active[other] == m_scratch.activeStamp) return;
        if (m_scratch.visited[other] == m_scratch.visitedStamp) return;
        m_scratch.visited[other] = m_scratch.visitedStamp;
        const ElementMove still{other, 0, 0};
        const ActiveElement rest = MakeActive(m_records, m_row, still, still,
                                              m_records.Locate(m_row, still, m_correction),
                                              m_correction);
        for (size_t i = begin; i < end; ++i)
            if (m_scratch.elements[i].Place.Near(rest.Place))
                sum += Term(m_scratch.elements[i], rest);
    };
    m_records.Now(m_row).ForEachNear(place.NowLow, place.NowHigh, visit);
    if (m_correction) m_records.Then(m_row).ForEachNear(place.ThenLow, place.ThenHigh, visit);
    return sum;
}

int64_t PairSum::Run() const
{
    const std::vector<ActiveElement>& active = m_scratch.elements;
    auto same = [](const ActiveElement& a, const ActiveElement& b) {
        return a.Trial.SameMove(b.Trial) && a.Switch.SameMove(b.Switch);
    };
    std::vector<MoveClass>& classes = m_scratch.classes;
    classes.clear();
    int64_t sum = 0;
    for (uint32_t begin = 0, end = 0; begin < active.size(); begin = end) {
        MoveClass next{begin, begin, {}};
        for (end = begin; end < active.size() && same(active[end], active[begin]); ++end)
            next.Place.Take(active[end].Place);
        next.End = end;
        for (const MoveClass& other : classes)
            if (Differ(active[begin], active[other.Begin]) && next.Place.Near(other.Place))
                sum += Between(other.Begin, other.End, begin, end);
        if (MovesAgainstRest(active[begin])) sum += AgainstRest(begin, end, next.Place);
        classes.push_back(next);
    }
    return sum;
}

// The active elements of the row, marked, and in classes of equal moves: the trial's moves come
// in classes already, and so do the elements only the switch moved; only the trial's moves are
// sorted again by both moves. The order of the classes does not matter to a sum over pairs.
void CollectActive(const RowRecords& records, int32_t row, const ElementMove* moves, uint32_t count,
                   bool correction, RowScratch& scratch)
{
    const size_t size = records.Rows().Elements(row).size();
    ResetAtLeast(scratch.active, scratch.activeStamp, size);
    scratch.slot.resize(std::max(scratch.slot.size(), size));
    std::vector<ActiveElement>& elements = scratch.elements;
    elements.clear();
    for (uint32_t i = 0; i < count; ++i) {
        const int32_t element = moves[i].Element;
        scratch.active[element] = scratch.activeStamp;
        scratch.slot[element] = int32_t(i);
        elements.push_back(MakeActive(records, row, moves[i], {element, 0, 0},
                                      records.Locate(row, moves[i], correction), correction));
    }
    if (!correction) return;
    const std::vector<ElementMove>& switched = records.Switched(row);
    const std::vector<Whereabouts>& places = records.SwitchedPlaces(row);
    for (size_t j = 0; j < switched.size(); ++j) {
        const int32_t element = switched[j].Element;
        if (scratch.active[element] == scratch.activeStamp) {
            elements[size_t(scratch.slot[element])].Switch = switched[j];
            continue;
        }
        scratch.active[element] = scratch.activeStamp;
        elements.push_back(MakeActive(records, row, {element, 0, 0}, switched[j], places[j], true));
    }
    auto key = [](const ActiveElement& a) {
        return std::tuple(a.Trial.First, a.Trial.Second, a.Switch.First, a.Switch.Second);
    };
    std::sort(elements.begin(), elements.begin() + count,
              [&key](const ActiveElement& a, const ActiveElement& b) { return key(a) < key(b); });
}

// When the trial and the switch moved different elements, only pairs of one of each matter:
// class against class, as far as they come near each other.
int64_t ApartCorrection(const RowRecords& records, int32_t row, const ElementMove* moves,
                        uint32_t count, RowScratch& scratch)
{
    const PairSum pairs(records, row, true, scratch);
    const std::vector<ElementMove>& switched = records.Switched(row);
    const std::vector<Whereabouts>& switchedPlaces = records.SwitchedPlaces(row);
    std::vector<Whereabouts>& places = scratch.places;
    places.clear();
    for (uint32_t i = 0; i < count; ++i) places.push_back(records.Locate(row, moves[i], true));
    int64_t sum = 0;
    for (uint32_t begin = 0, end = 0; begin < count; begin = end) {
        Whereabouts place;
        for (end = begin; end < count && moves[end].SameMove(moves[begin]); ++end)
            place.Take(places[end]);
        for (const MoveClass& other : records.SwitchedClasses(row)) {
            if (!place.Near(other.Place)) continue;
            for (uint32_t i = begin; i < end; ++i) {
                const ActiveElement a = MakeActive(records, row, moves[i],
                                                   {moves[i].Element, 0, 0}, places[i], true);
                for (uint32_t j = other.Begin; j < other.End; ++j) {
                    if (!a.Place.Near(switchedPlaces[j])) continue;
                    const int32_t element = switched[j].Element;
                    sum += pairs.Term(a, MakeActive(records, row, {element, 0, 0}, switched[j],
                                                    switchedPlaces[j], true));
                }
            }
        }
    }
    return sum;
}

}  // namespace

int64_t FreshRowDelta(const RowRecords& records, int32_t row, const ElementMove* moves,
                      uint32_t count, RowScratch& scratch)
{
    CollectActive(records, row, moves, count, false, scratch);
    return PairSum(records, row, false, scratch).Run();
}

int64_t RowDeltaCorrection(const RowRecords& records, int32_t row, const ElementMove* moves,
                           uint32_t count, RowScratch& scratch)
{
    if (records.Switched(row).empty()) return 0;
    for (uint32_t i = 0; i < count; ++i)
        if (records.IsSwitched(row, moves[i].Element)) {
            CollectActive(records, row, moves, count, true, scratch);
            return PairSum(records, row, true, scratch).Run();
        }
    return ApartCorrection(records, row, moves, count, scratch);
}

}  // namespace qv
