// The sorting passes: they never make their measure worse, and a cancel stops them.
#include "charts/tree/ancestor_sorting.h"

#include <gtest/gtest.h>

#include "charts/tree/image_vorfahren.h"
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
    AncestorSorter sorter(data, chart.Drawn(), input, switched, packing, {});
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

}  // namespace
}  // namespace qv
