// A row's count is a sum over pairs of its elements, and a pair crosses differently only when
// its two elements move differently and come near each other. So only such pairs are looked
// at: groups of elements moved alike against each other, and against the unmoved elements
// found near them. A correction looks at four positions of each pair (the trial and its record,
// now and in the previous pass); its pairs must move differently both in the trial and in the
// step between the two records, so every pair it looks at has an element the switch moved.
// Whether a pair crosses depends only on the order of its ends (a segment's lower ends, its
// upper ends, a couple's partners about the other's upper end); so the unmoved elements a moved
// one can cross differently are those with an end where the moved one's ends pass.
#include "charts/tree/ancestor_sorting_row_delta.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "charts/tree/ancestor_sorting_row_cache.h"

namespace qv {
namespace {

void ResetAtLeast(std::vector<uint32_t>& marks, uint32_t& stamp, size_t size)
{
    if (marks.size() < size || ++stamp == 0) {
        marks.assign(std::max(size, marks.size()), 0);
        stamp = 1;
    }
}

// The element with its record's ends read once, and where it lies before and after the trial's
// move (as RowRecords::Locate), now and, for a correction, then.
ActiveElement MakeActive(const RowRecords& records, int32_t row, const ElementMove& trial,
                         const ElementMove& moved, bool correction)
{
    const int32_t element = trial.Element;
    ActiveElement active{element,
                         trial,
                         moved,
                         {},
                         records.Now(row).Ends(element),
                         correction ? records.Then(row).Ends(element) : LineEnds{},
                         records.Rows().Elements(row)[element].Child < 0};
    auto reach = [&trial](LineEnds ends, int32_t& low, int32_t& high) {
        const LineEnds after = trial.Applied(ends);
        low = std::min(LowEnd(ends), LowEnd(after));
        high = std::max(HighEnd(ends), HighEnd(after));
    };
    reach(active.Now, active.Place.NowLow, active.Place.NowHigh);
    if (correction) reach(active.Then, active.Place.ThenLow, active.Place.ThenHigh);
    return active;
}

// Appends where the element's ends lie in the positions a term compares, in one record's frame:
// a fresh count's record before and after the trial; for a correction the previous record and
// this one moved back by the row's common move, each before and after the trial.
void AddReach(const ActiveElement& a, bool correction, int32_t common,
              std::vector<RowWindow>& reach)
{
    if (!correction) {
        AddEndWindows(a.Couple, {a.Now, a.Trial.Applied(a.Now)}, reach);
        return;
    }
    const LineEnds back{a.Now.first - common, a.Now.second - common};
    AddEndWindows(a.Couple, {a.Then, a.Trial.Applied(a.Then), back, a.Trial.Applied(back)}, reach);
}

// How far the move takes an element's ends at most.
int64_t Span(const ElementMove& move)
{
    return std::max(std::abs(int64_t(move.First)), std::abs(int64_t(move.Second)));
}

int64_t Farthest(const ElementMove* moves, uint32_t count)
{
    int64_t farthest = 0;
    for (uint32_t i = 0; i < count; ++i) farthest = std::max(farthest, Span(moves[i]));
    return farthest;
}

// Whether the element lies further from every element the switch did not move alike with it
// than the trial can move the two apart (at most farthest for the other): then each of its
// pairs crosses alike in both passes, before and after the trial.
bool Apart(const RowRecords& records, int32_t row, const ElementMove& move, int64_t farthest)
{
    return records.SwitchGap(row, move.Element) > Span(move) + farthest;
}

class PairSum {
public:
    // farthest: how far a correction's trial moves an element at most.
    PairSum(const RowRecords& records, int32_t row, bool correction, int64_t farthest,
            RowScratch& scratch)
        : m_records(records),
          m_row(row),
          m_correction(correction),
          m_farthest(farthest),
          m_elements(records.Rows().Elements(row)),
          m_scratch(scratch)
    {
    }

    // Over the pairs of scratch.groups' elements, and of them with the rest.
    int64_t Run() const;
    // How much more the pair crosses in the trial than in its record (less the same difference
    // in the previous pass, for a correction).
    int64_t Term(const ActiveElement& a, const ActiveElement& b) const;
    // Over the pairs of scratch.elements in [aBegin, aEnd) x [bBegin, bEnd) that come near each
    // other (and, for a correction, that the switch moves differently).
    int64_t Between(size_t aBegin, size_t aEnd, size_t bBegin, size_t bEnd) const;
    // Elements [begin, end) of scratch.elements against the elements neither the trial nor (for
    // a correction) the switch moves.
    int64_t AgainstRest(size_t begin, size_t end) const;
    // For a correction: a group against the elements only the switch moves that are not apart.
    int64_t AgainstSwitched(const TrialGroup& group) const;

private:
    // Where the ends of elements [begin, end) can meet others' (scratch.reach, merged).
    void CollectReach(size_t begin, size_t end) const;
    bool Resting(int32_t element) const
    {
        return m_scratch.active[element] != m_scratch.activeStamp &&
               (!m_correction || m_records.SwitchIndex(m_row, element) < 0);
    }

    const RowRecords& m_records;
    const int32_t m_row;
    const bool m_correction;
    const int64_t m_farthest;
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
            if ((!m_correction || !MovedAlike(active[i].Switch, active[i].Couple, active[j].Switch,
                                              active[j].Couple)) &&
                active[i].Place.Near(active[j].Place))
                sum += Term(active[i], active[j]);
    return sum;
}

// The rest moves with the row: in the frame of the searched record it stays where it is.
int64_t PairSum::AgainstRest(size_t begin, size_t end) const
{
    ResetAtLeast(m_scratch.visited, m_scratch.visitedStamp, m_elements.size());
    CollectReach(begin, end);
    int64_t sum = 0;
    auto visit = [&](int32_t other) {
        if (m_scratch.visited[other] == m_scratch.visitedStamp || !Resting(other)) return;
        m_scratch.visited[other] = m_scratch.visitedStamp;
        const ElementMove still{other, 0, 0};
        const ActiveElement rest = MakeActive(m_records, m_row, still, still, m_correction);
        for (size_t i = begin; i < end; ++i)
            if (m_scratch.elements[i].Place.Near(rest.Place))
                sum += Term(m_scratch.elements[i], rest);
    };
    const RowIndex& index = m_correction ? m_records.Then(m_row) : m_records.Now(m_row);
    index.ForEachNear(m_scratch.reach, visit);
    return sum;
}

void PairSum::CollectReach(size_t begin, size_t end) const
{
    m_scratch.reach.clear();
    const int32_t common = m_records.CommonMove(m_row);
    for (size_t i = begin; i < end; ++i)
        AddReach(m_scratch.elements[i], m_correction, common, m_scratch.reach);
    MergeWindows(m_scratch.reach);
}

int64_t PairSum::AgainstSwitched(const TrialGroup& group) const
{
    const std::vector<ElementMove>& switched = m_records.Switched(m_row);
    const std::vector<Whereabouts>& places = m_records.SwitchedPlaces(m_row);
    const std::vector<ActiveElement>& active = m_scratch.elements;
    int64_t sum = 0;
    for (const MoveClass& other : m_records.SwitchedClasses(m_row)) {
        if (!group.Place.Near(other.Place)) continue;
        for (uint32_t j = other.Begin; j < other.End; ++j) {
            const int32_t element = switched[j].Element;
            if (m_scratch.active[element] == m_scratch.activeStamp ||
                Apart(m_records, m_row, {element, 0, 0}, m_farthest))
                continue;
            const bool couple = m_elements[element].Child < 0;
            bool made = false;
            ActiveElement b{};
            for (uint32_t i = group.Begin; i < group.End; ++i) {
                if (MovedAlike(active[i].Switch, active[i].Couple, switched[j], couple) ||
                    !active[i].Place.Near(places[j]))
                    continue;
                if (!made) b = MakeActive(m_records, m_row, {element, 0, 0}, switched[j], true);
                made = true;
                sum += Term(active[i], b);
            }
        }
    }
    return sum;
}

// Pairs in one group move alike in the trial. For a correction, pairs of two elements the
// switch did not move moved alike in the step: so a group meets an earlier one only where one
// of the two elements is switched, and only the switched elements meet the rest.
int64_t PairSum::Run() const
{
    const std::vector<TrialGroup>& groups = m_scratch.groups;
    int64_t sum = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        const TrialGroup& group = groups[g];
        for (size_t h = 0; h < g; ++h) {
            const TrialGroup& earlier = groups[h];
            if (!group.Place.Near(earlier.Place)) continue;
            sum += Between(earlier.Begin, earlier.Switched, group.Begin, group.End);
            sum += Between(earlier.Switched, earlier.End, group.Begin, group.Switched);
        }
        if (m_correction) sum += AgainstSwitched(group);
        if (group.Switched > group.Begin) sum += AgainstRest(group.Begin, group.Switched);
    }
    return sum;
}

// Widens window by where the switched element lies now, before and after the trial's move (an
// unswitched one lies where it lay then, moved with the row).
void TakeNowPlace(const RowRecords& records, int32_t row, const ElementMove& move,
                  RowWindow& window)
{
    const Whereabouts place = records.Locate(row, move, false);
    window.Low = std::min(window.Low, place.NowLow);
    window.High = std::max(window.High, place.NowHigh);
}

// The elements the trial moves, marked and in groups of equal moves (moves come sorted by
// move), those the switch moved too first in each group (for a fresh count, all of them: every
// element meets the other groups and the rest). A correction leaves out the elements that are
// apart. Answers where the trial's elements lie now, before and after the moves, as far as
// they do not lie where they lay then, moved with the row.
RowWindow CollectGroups(const RowRecords& records, int32_t row, const ElementMove* moves,
                        uint32_t count, bool correction, int64_t farthest, RowScratch& scratch)
{
    ResetAtLeast(scratch.active, scratch.activeStamp, records.Rows().Elements(row).size());
    std::vector<ActiveElement>& elements = scratch.elements;
    elements.clear();
    scratch.groups.clear();
    const std::vector<ElementMove>& switched = records.Switched(row);
    auto switchOf = [&](int32_t element) {
        const int32_t index = correction ? records.SwitchIndex(row, element) : -1;
        return index >= 0 ? switched[size_t(index)] : ElementMove{element, 0, 0};
    };
    const std::vector<RowCrossings::Element>& lines = records.Rows().Elements(row);
    RowWindow window;
    // The moves [begin, end) of the elements that are couples or not (all, without couples).
    auto addGroup = [&](uint32_t begin, uint32_t end, std::optional<bool> couples) {
        TrialGroup group{uint32_t(elements.size()), 0, 0, {}};
        for (bool firstSwitched : {true, false}) {
            for (uint32_t i = begin; i < end; ++i) {
                if (couples && (lines[moves[i].Element].Child < 0) != *couples) continue;
                const ElementMove moved = switchOf(moves[i].Element);
                if ((moved.Moves() || !correction) != firstSwitched) continue;
                if (correction && Apart(records, row, moves[i], farthest)) {
                    if (firstSwitched) TakeNowPlace(records, row, moves[i], window);
                    continue;
                }
                elements.push_back(MakeActive(records, row, moves[i], moved, correction));
                group.Place.Take(elements.back().Place);
            }
            (firstSwitched ? group.Switched : group.End) = uint32_t(elements.size());
        }
        window.Low = std::min(window.Low, group.Place.NowLow);
        window.High = std::max(window.High, group.Place.NowHigh);
        if (group.End > group.Begin) scratch.groups.push_back(group);
    };
    for (uint32_t begin = 0, end = 0; begin < count; begin = end) {
        for (end = begin; end < count && moves[end].SameMove(moves[begin]); ++end)
            scratch.active[moves[end].Element] = scratch.activeStamp;
        // Couples and segments cross differently under a move that takes their ends apart.
        if (moves[begin].First == moves[begin].Second) {
            addGroup(begin, end, std::nullopt);
        } else {
            addGroup(begin, end, false);
            addGroup(begin, end, true);
        }
    }
    return window;
}

// Whether an element moved by the trial and not by the switch can come near one the switch
// moved: with none of the trial's elements switched, their ends moved with most of the row.
bool NearSwitched(const RowRecords& records, int32_t row, const ElementMove* moves, uint32_t count,
                  const RowWindow& then, const RowWindow& now)
{
    for (uint32_t i = 0; i < count; ++i)
        if (records.SwitchIndex(row, moves[i].Element) >= 0) return true;
    const Whereabouts place{then.Low, then.High, now.Low, now.High};
    for (const MoveClass& other : records.SwitchedClasses(row))
        if (place.Near(other.Place)) return true;
    return false;
}

// Whether every element the trial moves is apart: then the correction is 0. Widens window by
// where the switched ones of them lie now.
bool AllApart(const RowRecords& records, int32_t row, const ElementMove* moves, uint32_t count,
              int64_t farthest, RowWindow& window)
{
    for (uint32_t i = 0; i < count; ++i)
        if (!Apart(records, row, moves[i], farthest)) return false;
    for (uint32_t i = 0; i < count; ++i)
        if (records.SwitchIndex(row, moves[i].Element) >= 0)
            TakeNowPlace(records, row, moves[i], window);
    return true;
}

// The row's change (a fresh count's or a correction's) and where the collected elements lie
// now, from the pass's cache when it has them.
RowDeltaCache::Result Measure(const RowRecords& records, int32_t row, const ElementMove* moves,
                              uint32_t count, bool correction, int64_t farthest,
                              RowScratch& scratch, RowDeltaCache* cache)
{
    RowDeltaCache::Result result;
    const uint64_t key = cache ? RowDeltaCache::Key(row, moves, count) : 0;
    if (cache && cache->Find(key, row, moves, count, result)) return result;
    const RowWindow now = CollectGroups(records, row, moves, count, correction, farthest, scratch);
    result = {PairSum(records, row, correction, farthest, scratch).Run(), now};
    if (cache) cache->Store(key, row, moves, count, result);
    return result;
}

// The correction's delta; window, where the trial's elements lay then moved with the row,
// takes in where the collected ones lie now (those left out moved with the row).
int64_t Corrected(const RowDeltaCache::Result& result, RowWindow& window)
{
    window.Low = std::min(window.Low, result.Window.Low);
    window.High = std::max(window.High, result.Window.High);
    return result.Delta;
}

}  // namespace

int64_t FreshRowDelta(const RowRecords& records, int32_t row, const ElementMove* moves,
                      uint32_t count, RowWindow& window, RowScratch& scratch, RowDeltaCache* cache)
{
    const RowDeltaCache::Result result =
        Measure(records, row, moves, count, false, 0, scratch, cache);
    window = result.Window;
    return result.Delta;
}

int64_t RowDeltaCorrection(const RowRecords& records, int32_t row, const ElementMove* moves,
                           uint32_t count, RowWindow& window, RowScratch& scratch,
                           RowDeltaCache* cache)
{
    const RowWindow then = window;
    const int32_t common = records.CommonMove(row);
    window = {then.Low + common, then.High + common};
    if (records.Switched(row).empty() || !NearSwitched(records, row, moves, count, then, window))
        return 0;
    const int64_t farthest = Farthest(moves, count);
    if (AllApart(records, row, moves, count, farthest, window)) return 0;
    return Corrected(Measure(records, row, moves, count, true, farthest, scratch, cache), window);
}

}  // namespace qv
