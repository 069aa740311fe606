// Keeping two records per row and finding what moved between them.
#include "charts/tree/ancestor_sorting_row_records.h"

#include <algorithm>

#include "charts/tree/ancestor_sorting_runner.h"

namespace qv {
namespace {

// The gap between [low, high] and the nearest of the merged sweeps, 0 where they meet.
int32_t Gap(const std::vector<RowWindow>& sweeps, int32_t low, int32_t high)
{
    auto next = std::lower_bound(sweeps.begin(), sweeps.end(), low,
                                 [](const RowWindow& sweep, int32_t x) { return sweep.High < x; });
    int32_t gap = INT32_MAX;
    if (next != sweeps.end()) gap = next->Low <= high ? 0 : next->Low - high;
    if (next != sweeps.begin()) gap = std::min(gap, low - std::prev(next)->High);
    return gap;
}

// The smallest gap between any of the windows and the merged ones.
int32_t GapBetween(const std::vector<RowWindow>& windows, const std::vector<RowWindow>& merged)
{
    int32_t gap = INT32_MAX;
    for (const RowWindow& window : windows)
        gap = std::min(gap, Gap(merged, window.Low, window.High));
    return gap;
}

}  // namespace

void RowRecords::Update(const std::vector<int32_t>& positions, int threads)
{
    const int32_t rows = m_rows.RowCount();
    const bool first = m_now.empty();
    m_now.resize(rows);
    m_then.resize(rows);
    m_switched.resize(rows);
    m_classes.resize(rows);
    m_places.resize(rows);
    m_switchIndex.resize(rows);
    m_gaps.resize(rows);
    m_common.resize(rows);
    std::vector<std::vector<LineEnds>> ends(size_t(std::max(threads, 1)));
    auto update = [&](size_t index, int worker) {
        const int32_t row = int32_t(index);
        m_switched[row].clear();
        if (!first) {
            m_common[row] = FindMoves(row, positions, m_switched[row], ends[size_t(worker)]);
            std::swap(m_then[row], m_now[row]);
        }
        m_now[row].Build(m_rows.Elements(row), positions);
        ClassifySwitched(row);
        MeasureGaps(row);
    };
    RunTrials(size_t(rows), threads, update, [](size_t) { return false; });
}

// The common move is found by a majority vote among the elements that move as a whole; any
// choice is correct, a frequent one keeps the list short.
int32_t RowRecords::FindMoves(int32_t row, const std::vector<int32_t>& to,
                              std::vector<ElementMove>& moves, std::vector<LineEnds>& ends) const
{
    const std::vector<RowCrossings::Element>& elements = m_rows.Elements(row);
    const std::vector<LineEnds>& from = m_now[row].AllEnds();
    const size_t firstMove = moves.size();
    ends.resize(elements.size());
    int32_t common = 0, votes = 0;
    for (size_t i = 0; i < elements.size(); ++i) {
        ends[i] = RowCrossings::Ends(elements[i], to);
        const int32_t first = ends[i].first - from[i].first;
        if (first != ends[i].second - from[i].second) continue;
        if (votes == 0) common = first;
        votes += first == common ? 1 : -1;
    }
    for (size_t i = 0; i < elements.size(); ++i) {
        const ElementMove move{int32_t(i), ends[i].first - from[i].first - common,
                               ends[i].second - from[i].second - common};
        if (move.Moves()) moves.push_back(move);
    }
    std::sort(moves.begin() + firstMove, moves.end());
    return common;
}

Whereabouts RowRecords::Locate(int32_t row, const ElementMove& move, bool then) const
{
    const LineEnds now = m_now[row].Ends(move.Element), nowMoved = move.Applied(now);
    Whereabouts place;
    place.NowLow = std::min(LowEnd(now), LowEnd(nowMoved));
    place.NowHigh = std::max(HighEnd(now), HighEnd(nowMoved));
    if (then) {
        const LineEnds before = m_then[row].Ends(move.Element), moved = move.Applied(before);
        place.ThenLow = std::min(LowEnd(before), LowEnd(moved));
        place.ThenHigh = std::max(HighEnd(before), HighEnd(moved));
    }
    return place;
}

// The switched elements in classes of equal moves, with where each class lies (unmoved by a
// trial), and which elements they are.
void RowRecords::ClassifySwitched(int32_t row)
{
    const std::vector<ElementMove>& switched = m_switched[row];
    std::vector<MoveClass>& classes = m_classes[row];
    std::vector<Whereabouts>& places = m_places[row];
    m_switchIndex[row].assign(m_rows.Elements(row).size(), -1);
    classes.clear();
    places.clear();
    for (uint32_t begin = 0, end = 0; begin < switched.size(); begin = end) {
        MoveClass next{begin, begin, {}};
        for (end = begin; end < switched.size() && switched[end].SameMove(switched[begin]); ++end) {
            places.push_back(Locate(row, {switched[end].Element, 0, 0}, true));
            next.Place.Take(places.back());
            m_switchIndex[row][switched[end].Element] = int32_t(end);
        }
        next.End = end;
        classes.push_back(next);
    }
}

// Where the element's ends lay in the previous record and lie now, moved back with the row.
void RowRecords::AddSweep(int32_t row, int32_t element, std::vector<RowWindow>& windows) const
{
    const LineEnds then = m_then[row].Ends(element);
    const LineEnds now = m_now[row].Ends(element);
    const LineEnds back{now.first - m_common[row], now.second - m_common[row]};
    AddEndWindows(m_rows.Elements(row)[element].Child < 0, {then, back}, windows);
}

// A segment's ends are measured apart, a couple's partners together (as whether two elements
// cross depends on them). An unswitched element is measured against every switched element's
// sweep, a switched one against the others' ends and the sweeps of the switched elements it
// does not move alike with.
void RowRecords::MeasureGaps(int32_t row)
{
    std::vector<int32_t>& gaps = m_gaps[row];
    gaps.clear();
    if (m_switched[row].empty()) return;
    const std::vector<RowCrossings::Element>& elements = m_rows.Elements(row);
    std::vector<RowWindow> sweeps, own, rest;
    for (const ElementMove& move : m_switched[row]) AddSweep(row, move.Element, sweeps);
    MergeWindows(sweeps);
    gaps.resize(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        if (m_switchIndex[row][i] >= 0) continue;
        own.clear();
        AddEndWindows(elements[i].Child < 0, {m_then[row].Ends(int32_t(i))}, own);
        gaps[i] = GapBetween(own, sweeps);
        rest.insert(rest.end(), own.begin(), own.end());
    }
    MergeWindows(rest);
    MeasureSwitchedGaps(row, rest);
}

// The switched elements in classes moved alike, each class against the sweeps of the others.
// With many classes that costs more than the gaps save: their elements keep no gap then.
void RowRecords::MeasureSwitchedGaps(int32_t row, const std::vector<RowWindow>& rest)
{
    constexpr size_t kMostMoves = 8;
    const std::vector<ElementMove>& switched = m_switched[row];
    std::vector<int32_t>& gaps = m_gaps[row];
    if (m_classes[row].size() > kMostMoves) {
        for (const ElementMove& move : switched) gaps[move.Element] = 0;
        return;
    }
    const std::vector<RowCrossings::Element>& elements = m_rows.Elements(row);
    auto couple = [&](size_t j) { return elements[switched[j].Element].Child < 0; };
    std::vector<bool> measured(switched.size(), false);
    std::vector<RowWindow> others, own;
    for (size_t first = 0; first < switched.size(); ++first) {
        if (measured[first]) continue;
        auto alike = [&](size_t j) {
            return MovedAlike(switched[j], couple(j), switched[first], couple(first));
        };
        others.clear();
        for (size_t j = 0; j < switched.size(); ++j)
            if (!alike(j)) AddSweep(row, switched[j].Element, others);
        MergeWindows(others);
        for (size_t j = first; j < switched.size(); ++j) {
            if (!alike(j)) continue;
            measured[j] = true;
            own.clear();
            AddSweep(row, switched[j].Element, own);
            gaps[switched[j].Element] = std::min(GapBetween(own, rest), GapBetween(own, others));
        }
    }
}

}  // namespace qv
