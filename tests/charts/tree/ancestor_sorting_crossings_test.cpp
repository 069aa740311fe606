// Crossing counts: single rows by hand, and trial counts carried from pass to pass against
// counting the whole repacked chart.
#include "charts/tree/ancestor_sorting_crossings.h"

#include <algorithm>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "charts/tree/ancestor_sorting_lengths.h"
#include "charts/tree/ancestor_sorting_reference.h"
#include "charts/tree/random_pedigree.h"

namespace qv {
namespace {

// Lines cross where their ends lie in opposite orders; lines that share an end do not.
TEST(SegmentCrossings, CountsPairsWhoseEndsLieInOppositeOrders)
{
    std::vector<LineSegment> buffer;
    std::vector<LineSegment> fan{{0, 9}, {2, 7}, {4, 5}};
    EXPECT_EQ(SegmentCrossings(fan, buffer), 3);
    std::vector<LineSegment> shared{{0, 10}, {0, 2}, {4, 10}, {6, 12}};
    EXPECT_EQ(SegmentCrossings(shared, buffer), 0);
    std::vector<LineSegment> mixed{{6, 6}, {0, 0}, {2, 8}, {8, 1}};
    // (6,6)-(2,8), (6,6)-(8,1) and (2,8)-(8,1)
    EXPECT_EQ(SegmentCrossings(mixed, buffer), 3);
    EXPECT_TRUE(std::is_sorted(mixed.begin(), mixed.end(),
                               [](LineSegment a, LineSegment b) { return a.Upper < b.Upper; }));
}

// A line that ends between a couple crosses the marriage line, unless it ends at the couple's
// own anchor; partners side by side leave no room between them.
TEST(CoupleCrossings, CountsLinesEndingBetweenThePartnersButNotAtTheirAnchor)
{
    const std::vector<LineSegment> byUpper{{0, 2}, {1, 4},  {3, 6}, {5, 6},
                                           {7, 9}, {8, 10}, {9, 12}};
    EXPECT_EQ(CoupleCrossings(byUpper, 2, 10), 2);
    EXPECT_EQ(CoupleCrossings(byUpper, 10, 2), 2);
    EXPECT_EQ(CoupleCrossings(byUpper, 3, 11), 5);
    EXPECT_EQ(CoupleCrossings(byUpper, 4, 5), 0);
    EXPECT_EQ(CoupleCrossings({}, 0, 20), 0);
}

// Three couples side by side with a child each, all in row 0: the step from one record to the
// next moves every line alike but the middle family's child line.
struct ThreeFamilies {
    SortingFamilies families;
    std::vector<int32_t> rows{1, 1, 0, 1, 1, 0, 1, 1, 0};
    std::vector<int32_t> then{0, 10, 5, 40, 50, 45, 100, 110, 105};
    std::vector<int32_t> now;

    ThreeFamilies()
    {
        for (int64_t f = 0; f < 3; ++f) families.Lines.push_back({3 * f, 3 * f + 1, 0, {3 * f + 2}});
        families.LineRows = 1;
        for (int32_t position : then) now.push_back(position + 100);
        now[5] -= 25;
    }
};

TEST(RowRecords, AStepNotesTheCommonMoveAndTheLinesMovedOtherwise)
{
    ThreeFamilies three;
    const RowCrossings rows(three.families, three.rows);
    RowRecords records(rows);
    records.Update(three.then);
    EXPECT_TRUE(records.Switched(0).empty());
    records.Update(three.now);
    EXPECT_EQ(records.CommonMove(0), 200);
    // Elements: each couple's marriage line, then its child's line.
    ASSERT_EQ(records.Switched(0), (std::vector<ElementMove>{{3, -50, 0}}));
    for (int32_t element = 0; element < 6; ++element)
        EXPECT_EQ(records.SwitchIndex(0, element), element == 3 ? 0 : -1) << element;
}

// A trial that moves the first family's child, measured on one record and corrected on the
// next, against counting all four positions: it stays clear of the switched line, crosses it
// only after the step (which moved it far and the switched line back towards it), or in both.
TEST(RowDeltaCorrection, AgreesWithCountingBothRecordsWithAndWithoutTheTrial)
{
    ThreeFamilies three;
    const RowCrossings rows(three.families, three.rows);
    for (int32_t by : {5, 20, 50}) {
        SCOPED_TRACE("moved by " + std::to_string(by));
        RowRecords records(rows);
        records.Update(three.then);
        std::vector<int32_t> thenTrial = three.then, nowTrial = three.now;
        thenTrial[2] += by;
        nowTrial[2] += by;
        std::vector<ElementMove> moves;
        std::vector<LineEnds> ends;
        records.FindMoves(0, thenTrial, moves, ends);
        RowScratch scratch;
        RowWindow window;
        const int64_t before = rows.Count(0, thenTrial) - rows.Count(0, three.then);
        EXPECT_EQ(FreshRowDelta(records, 0, moves.data(), uint32_t(moves.size()), window, scratch),
                  before);
        records.Update(three.now);
        const int64_t after = rows.Count(0, nowTrial) - rows.Count(0, three.now);
        EXPECT_EQ(RowDeltaCorrection(records, 0, moves.data(), uint32_t(moves.size()), window,
                                     scratch),
                  after - before);
    }
}

// A one-parent family's child line whose upper end the step moved exactly as a marriage line's
// partners, within that marriage line: the two are not moved alike (the partners move apart from
// the line's end), so a trial that takes the line out of the marriage line before the step but
// not after changes the correction.
TEST(RowDeltaCorrection, ALineMovedAsAMarriageLineStillCountsAgainstIt)
{
    SortingFamilies families;
    families.Lines.push_back({0, 1, 0, {2}});
    families.Lines.push_back({3, -1, 0, {5}});
    families.LineRows = 1;
    const std::vector<int32_t> rows{1, 1, 0, 1, 1, 0};
    const std::vector<int32_t> then{0, 100, 500, 3, 0, 300};
    std::vector<int32_t> now = then, thenTrial = then;
    now[1] += 10;
    now[3] += 10;
    thenTrial[3] -= 5;
    thenTrial[5] -= 5;
    std::vector<int32_t> nowTrial = now;
    nowTrial[3] -= 5;
    nowTrial[5] -= 5;
    const RowCrossings lines(families, rows);
    RowRecords records(lines);
    records.Update(then);
    std::vector<ElementMove> moves;
    std::vector<LineEnds> ends;
    records.FindMoves(0, thenTrial, moves, ends);
    RowScratch scratch;
    RowWindow window;
    const int64_t before = lines.Count(0, thenTrial) - lines.Count(0, then);
    ASSERT_EQ(FreshRowDelta(records, 0, moves.data(), uint32_t(moves.size()), window, scratch),
              before);
    records.Update(now);
    const int64_t after = lines.Count(0, nowTrial) - lines.Count(0, now);
    ASSERT_NE(after, before);
    EXPECT_EQ(RowDeltaCorrection(records, 0, moves.data(), uint32_t(moves.size()), window, scratch),
              after - before);
}

// A row of families spread over [0, spread): each of two steps moves some persons by one of a
// few amounts beside the row's common move, and a trial moves others (or the same) by amounts
// small and large. The trial's change and its corrections from step to step (each starting
// from where the one before left the trial's lines), with and without the pass's cache,
// against counting the row in all positions.
void CheckRandomRows(uint32_t seed, int32_t spread)
{
    std::mt19937 random(seed);
    auto pick = [&random](int32_t range) { return int32_t(random() % uint32_t(range)); };
    // One cache for all rows, as a pass keeps it, forgetting each row's records with them.
    RowDeltaCache cache;
    for (int32_t round = 0; round < 3000; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        SortingFamilies families;
        std::vector<int32_t> rows;
        // Some families with one parent: their child's line has no marriage line around its
        // upper end.
        for (int32_t f = 0, count = 2 + pick(7); f < count; ++f) {
            families.Lines.push_back({3 * f, pick(4) == 0 ? -1 : 3 * f + 1, 0, {3 * f + 2}});
            rows.insert(rows.end(), {1, 1, 0});
        }
        families.LineRows = 1;
        const int32_t steps[] = {pick(21) - 10, pick(41) - 20};
        const int32_t trials[] = {pick(21) - 10, pick(81) - 40, pick(9) - 4};
        std::vector<int32_t> then(rows.size()), thenTrial;
        for (int32_t& position : then) position = pick(spread);
        thenTrial = then;
        for (size_t p = 0; p < rows.size(); ++p)
            if (pick(2) == 0) thenTrial[p] += trials[pick(3)];

        const RowCrossings lines(families, rows);
        RowRecords records(lines);
        records.Update(then);
        std::vector<ElementMove> moves, again;
        std::vector<LineEnds> ends;
        records.FindMoves(0, thenTrial, moves, ends);
        if (moves.empty()) continue;  // a row the trial leaves is not measured
        const uint32_t count = uint32_t(moves.size());
        RowScratch scratch;
        RowWindow window;
        int64_t before = lines.Count(0, thenTrial) - lines.Count(0, then);
        ASSERT_EQ(FreshRowDelta(records, 0, moves.data(), count, window, scratch), before);
        for (int32_t step = 0; step < 2; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            std::vector<int32_t> now = then, nowTrial = thenTrial;
            for (size_t p = 0; p < rows.size(); ++p) {
                const int32_t by = 5 + (pick(3) == 0 ? steps[pick(2)] : 0);
                now[p] += by;
                nowTrial[p] += by;
            }
            records.Update(now);
            records.FindMoves(0, nowTrial, again, ends);
            ASSERT_EQ(again, moves);
            again.clear();
            const int64_t after = lines.Count(0, nowTrial) - lines.Count(0, now);
            cache.Clear();
            RowWindow next = window;
            for (RowDeltaCache* kept : {static_cast<RowDeltaCache*>(nullptr), &cache, &cache}) {
                RowWindow corrected = window;
                ASSERT_EQ(
                    RowDeltaCorrection(records, 0, moves.data(), count, corrected, scratch, kept),
                    after - before);
                next = corrected;
            }
            window = next;
            before = after;
            then = now;
            thenTrial = nowTrial;
        }
    }
}

TEST(RowDeltaCorrection, AgreesWithCountingOnCrowdedRandomRows)
{
    CheckRandomRows(7, 40);
}

// Lines further apart than some moves: corrections that leave lines out, or the whole row.
TEST(RowDeltaCorrection, AgreesWithCountingOnSparseRandomRows)
{
    CheckRandomRows(11, 400);
}

struct Whole {
    float lineLength;
    int64_t crossings;
};

// The measures of the packing the input gives, counted the straightforward way.
Whole Recount(test::RandomPacking& packing, const AncestorPackingInput& input)
{
    TTetrisVorfahren tree;
    ReferenceAncestorSorter whole(packing.data, packing.drawn, input, packing.switched, tree, {});
    return {whole.LineLength(), whole.Crossings()};
}

// Passes that each apply a different one of the trials, so that every kind of step between
// records (near a trial's changes, far from them, on the same lines) comes up.
void CheckPasses(uint32_t seed, int32_t slotScale)
{
    test::RandomPacking packing = test::MakeRandomPacking(seed, slotScale);
    const AncestorPackingInput input = packing.Input(15 * slotScale);
    const SortingFamilies families =
        CollectSortingFamilies(packing.data, packing.drawn, packing.rows);
    const RowCrossings rows(families, packing.rows);
    CrossingTracker crossings(rows);
    LineLengths lengths(families, packing.data.Persons.size());
    std::vector<CrossingMemo> memos(packing.data.Families.size());
    PackingRecord record;
    PackingTrial trial;
    CrossingScratch crossingScratch;
    LengthScratch lengthScratch;
    for (size_t pass = 0; pass < 6; ++pass) {
        record.Pack(input);
        crossings.Update(record.Positions());
        lengths.Update(record.Positions(), record.Extent());
        const Whole start = Recount(packing, input);
        ASSERT_EQ(crossings.Total(), start.crossings) << "pass " << pass;
        ASSERT_EQ(lengths.Total(), start.lineLength) << "pass " << pass;
        std::vector<int32_t> tried;
        for (int32_t f : families.BothDrawn) {
            if (record.OrderNode(f) < 0) continue;
            trial.Run(record, input, f);
            const int64_t fast = crossings.TrialTotal(trial, memos[f], crossingScratch);
            const float length = lengths.TrialTotal(trial, lengthScratch);
            packing.switched[f] = !packing.switched[f];
            const Whole whole = Recount(packing, input);
            packing.switched[f] = !packing.switched[f];
            ASSERT_EQ(fast, whole.crossings) << "pass " << pass << " family " << f;
            ASSERT_EQ(length, whole.lineLength) << "pass " << pass << " family " << f;
            tried.push_back(f);
        }
        ASSERT_FALSE(tried.empty());
        const int32_t applied = tried[(pass * 7 + seed) % tried.size()];
        packing.switched[applied] = !packing.switched[applied];
    }
}

TEST(CrossingTracker, TrialCountsAgreeWithWholeRecountsFromPassToPass)
{
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CheckPasses(seed, 1);
    }
}

// So wide a chart that adding line lengths in single precision rounds: the sums are made as
// the straightforward passes make them.
TEST(LineLengths, WideChartsAddUpAsInSinglePrecision)
{
    for (uint32_t seed : {21u, 22u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CheckPasses(seed, 20000);
    }
}

}  // namespace
}  // namespace qv
