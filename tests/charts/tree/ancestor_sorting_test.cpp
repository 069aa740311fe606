// The sorting passes: they never make their measure worse, the fast passes choose exactly the
// switches of the straightforward ones, with the same progress, and a cancel stops them.
#include "charts/tree/ancestor_sorting.h"

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "charts/tree/ancestor_sorting_reference.h"
#include "charts/tree/image_vorfahren.h"
#include "charts/tree/random_pedigree.h"
#include "charts/tree/tree_fixture.h"
#include "data/gedcom_reader.h"
#include "test_support.h"

namespace qv {
namespace {

struct Measured {
    float lineLength;
    int64_t crossings;
    int32_t width;
};

// The measures of a chart laid out with the given sorting.
Measured Measure(const TAhnenData& data, TImageSettings& settings, uint8_t sorting)
{
    settings.Tree.Sorting = sorting;
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure);
    EXPECT_TRUE(chart.Layout(test::IdLabels(data)));
    AncestorLinks links = LinkAncestors(data, chart.Drawn());
    std::vector<int32_t> rows(data.Persons.size()), slotWidths(data.Persons.size(), chart.Pitch());
    for (size_t p = 0; p < rows.size(); ++p) rows[p] = chart.RowOf(int64_t(p));
    TArrayOfBoolean switched = chart.FamilySwitched();
    AncestorPackingInput input{links,    settings.ProbandIndex, rows, slotWidths,
                               switched, chart.RowCount(),      15};
    TTetrisVorfahren packing;
    ReferenceAncestorSorter sorter(data, chart.Drawn(), input, switched, packing, {});
    return {sorter.LineLength(), sorter.Crossings(), chart.Packing().PackedWidth};
}

TEST(AncestorSorter, PassesImproveTheirMeasureOnACollapsedAncestry)
{
    QV_REQUIRE_TESTDATA();
    // I159 has 44 ancestors, among them several couples twice.
    TAhnenData data(LoadGedcomFile(test::TestDataFile("EnglishTudorRoyalFamily.ged")), "t.ged");
    TImageSettings settings = test::TreeSettings(data, "I159");
    const Measured unsorted = Measure(data, settings, 0);
    const Measured shorter = Measure(data, settings, 1);
    const Measured fewer = Measure(data, settings, 2);
    EXPECT_LT(shorter.lineLength, unsorted.lineLength);
    EXPECT_LT(fewer.crossings, unsorted.crossings);
    EXPECT_LE(fewer.width, unsorted.width);
}

TEST(AncestorSorter, CancelEndsTheLayoutAtTheFirstTrial)
{
    QV_REQUIRE_TESTDATA();
    TAhnenData data(LoadGedcomFile(test::TestDataFile("EnglishTudorRoyalFamily.ged")), "t.ged");
    TImageSettings settings = test::TreeSettings(data, "I159");
    settings.Tree.Sorting = 2;
    const int64_t unsortedCrossings = Measure(data, settings, 0).crossings;
    settings.Tree.Sorting = 2;
    std::vector<std::string> texts;
    int64_t maximum = 0;
    test::FixedMeasure measure;
    TImage_Vorfahren chart(data, settings, measure,
                           [&](const std::string& text, int64_t position, int64_t max) {
                               texts.push_back(text);
                               EXPECT_EQ(position, 0);
                               maximum = max;
                               return true;
                           });
    EXPECT_FALSE(chart.Layout(test::IdLabels(data)));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "Überschneidungen minimieren (" + std::to_string(unsortedCrossings) + ")");
    EXPECT_GT(maximum, 0);
}

// Every call of the progress callback: text, position, maximum.
using Calls = std::vector<std::tuple<std::string, int64_t, int64_t>>;

struct Sorted {
    TArrayOfBoolean switched;
    Calls calls;
    bool finished;
};

// How a random pedigree is packed: slot widths are scaled by slotScale.
struct PackingShape {
    int32_t minDistance = 15;
    int32_t slotScale = 1;
};

// The passes on a random pedigree's packing: the fast ones on the given number of threads, or
// (threads 0) the straightforward ones; cancelled at call cancelAt.
Sorted SortPedigree(uint32_t seed, uint8_t sorting, int threads, size_t cancelAt = SIZE_MAX,
                    PackingShape shape = {})
{
    test::RandomPacking packing = test::MakeRandomPacking(seed, shape.slotScale);
    std::fill(packing.switched.begin(), packing.switched.end(), false);
    const AncestorPackingInput input = packing.Input(shape.minDistance);
    Sorted sorted{{}, {}, false};
    ProgressCallback progress = [&](const std::string& text, int64_t position, int64_t max) {
        sorted.calls.emplace_back(text, position, max);
        return sorted.calls.size() > cancelAt;
    };
    if (threads > 0) {
        sorted.finished =
            AncestorSorter(packing.data, packing.drawn, input, packing.switched, progress, threads)
                .Run(sorting);
    } else {
        TTetrisVorfahren tree;
        sorted.finished = ReferenceAncestorSorter(packing.data, packing.drawn, input,
                                                  packing.switched, tree, progress)
                              .Run(sorting);
    }
    sorted.switched = packing.switched;
    return sorted;
}

void ExpectSameSorting(const Sorted& fast, const Sorted& reference)
{
    EXPECT_EQ(fast.finished, reference.finished);
    EXPECT_TRUE(fast.switched == reference.switched);
    ASSERT_EQ(fast.calls.size(), reference.calls.size());
    for (size_t i = 0; i < fast.calls.size(); ++i)
        ASSERT_EQ(fast.calls[i], reference.calls[i]) << "call " << i;
}

TEST(AncestorSorter, FastPassesChooseTheSwitchesOfTheStraightforwardOnes)
{
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        for (uint8_t sorting : {1, 2}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " sorting " + std::to_string(sorting));
            const Sorted reference = SortPedigree(seed, sorting, 0);
            EXPECT_GT(reference.calls.size(), 0u);
            for (int threads : {1, 3})
                ExpectSameSorting(SortPedigree(seed, sorting, threads), reference);
        }
    }
}

// Slots of other widths and a larger distance move the packing's contours against each other
// in other ways.
TEST(AncestorSorter, FastPassesAgreeOnWideSlotsAndLargeDistances)
{
    const PackingShape shape{45, 3};
    for (uint32_t seed = 21; seed <= 26; ++seed) {
        for (uint8_t sorting : {1, 2}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " sorting " + std::to_string(sorting));
            ExpectSameSorting(SortPedigree(seed, sorting, 2, SIZE_MAX, shape),
                              SortPedigree(seed, sorting, 0, SIZE_MAX, shape));
        }
    }
}

// Cancels early, within a pass and in the last pass (with crossings sorted, a width pass).
TEST(AncestorSorter, CancelStopsAtTheSameCallAsTheStraightforwardPasses)
{
    for (uint8_t sorting : {1, 2}) {
        const size_t calls = SortPedigree(5, sorting, 0).calls.size();
        for (size_t cancelAt : {size_t(0), size_t(3), calls / 3, calls - 1}) {
            SCOPED_TRACE("sorting " + std::to_string(sorting) + " cancel at " +
                         std::to_string(cancelAt));
            const Sorted reference = SortPedigree(5, sorting, 0, cancelAt);
            EXPECT_FALSE(reference.finished);
            ExpectSameSorting(SortPedigree(5, sorting, 2, cancelAt), reference);
        }
    }
}

// The crossing count of a random packing with nothing switched, and of each candidate's trial.
struct FirstPass {
    int64_t start = 0;
    std::vector<int32_t> candidates;
    std::vector<int64_t> costs;  // per candidate
};

FirstPass CrossingTrials(uint32_t seed)
{
    test::RandomPacking packing = test::MakeRandomPacking(seed);
    std::fill(packing.switched.begin(), packing.switched.end(), false);
    const AncestorPackingInput input = packing.Input(15);
    TTetrisVorfahren tree;
    auto crossings = [&] {
        return ReferenceAncestorSorter(packing.data, packing.drawn, input, packing.switched, tree,
                                       {})
            .Crossings();
    };
    FirstPass pass;
    pass.start = crossings();
    pass.candidates =
        ReferenceAncestorSorter(packing.data, packing.drawn, input, packing.switched, tree, {})
            .Candidates();
    for (int32_t family : pass.candidates) {
        packing.switched[family] = true;
        pass.costs.push_back(crossings());
        packing.switched[family] = false;
    }
    return pass;
}

// Where several trials of a pass tie at its lowest cost, the first of them in the pass's order
// is applied, however the trials were spread over the threads.
TEST(AncestorSorter, AmongEqualCostsTheFirstFamilyWins)
{
    int ties = 0;
    for (uint32_t seed = 1; seed <= 40 && ties < 4; ++seed) {
        const FirstPass pass = CrossingTrials(seed);
        const auto best = std::min_element(pass.costs.begin(), pass.costs.end());
        if (best == pass.costs.end() || *best >= pass.start ||
            std::count(pass.costs.begin(), pass.costs.end(), *best) < 2)
            continue;
        ++ties;
        SCOPED_TRACE("seed " + std::to_string(seed));
        const int32_t winner = pass.candidates[size_t(best - pass.costs.begin())];
        for (int threads : {1, 4}) {
            // Cancelled at the second pass's first trial: the first pass alone is applied.
            const Sorted fast = SortPedigree(seed, 2, threads, pass.candidates.size());
            EXPECT_FALSE(fast.finished);
            for (size_t f = 0; f < fast.switched.size(); ++f)
                ASSERT_EQ(fast.switched[f], int32_t(f) == winner) << "family " << f;
        }
    }
    EXPECT_GT(ties, 0);
}

// Whole layouts with either passes: the same switches and the same positions, also where slot
// sizes follow the labels and where the chart is so wide that single-precision line lengths
// round.
TEST(AncestorSorter, ChartsComeOutTheSameWithEitherPasses)
{
    struct Variant {
        uint8_t alignment;
        bool widthOpt;
        uint32_t nodeWidth;
    };
    for (const Variant& v : {Variant{1, false, 15}, Variant{2, false, 15}, Variant{0, true, 15},
                             Variant{1, false, 400000}}) {
        for (uint32_t seed : {11u, 12u}) {
            for (uint8_t sorting : {1, 2}) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " sorting " +
                             std::to_string(sorting) + " width " + std::to_string(v.nodeWidth));
                const TAhnenData data = test::RandomCollapsedPedigree(seed, 8, 12);
                TImageSettings settings;
                settings.ProbandIndex = int64_t(data.Persons.size()) - 1;
                settings.Tree.Alignment = v.alignment;
                settings.NodeWidthOpt = v.widthOpt;
                settings.NodeWidth = v.nodeWidth;
                settings.Tree.Sorting = sorting;
                test::FixedMeasure measure;
                TImage_Vorfahren fast(data, settings, measure);
                settings.Tree.ReferenceSorting = true;
                TImage_Vorfahren reference(data, settings, measure);
                ASSERT_TRUE(fast.Layout(test::IdLabels(data)));
                ASSERT_TRUE(reference.Layout(test::IdLabels(data)));
                EXPECT_TRUE(fast.FamilySwitched() == reference.FamilySwitched());
                for (size_t p = 0; p < data.Persons.size(); ++p)
                    ASSERT_EQ(fast.PositionOf(int64_t(p)), reference.PositionOf(int64_t(p)));
            }
        }
    }
}

}  // namespace
}  // namespace qv
