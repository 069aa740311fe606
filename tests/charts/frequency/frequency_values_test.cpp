// Metric names, the fitted curve and the hue wheel of the frequency diagram.
#include "charts/frequency/frequency_values.h"

#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "render/color.h"

namespace qv {
namespace {

TEST(FrequencyValues, NamesFollowTheDialogsOrderAndOthersAreEmpty)
{
    const char* expected[] = {"gb(d)", "gbx1(d)", "gbx2(d)", "gb",     "gbx1",
                              "gbx2",  "gb(s)",   "gbx1(s)", "gbx2(s)"};
    for (int32_t v = 0; v < 9; ++v) EXPECT_EQ(FrequencyValueName(v), expected[v]) << v;
    EXPECT_EQ(FrequencyValueName(-1), "");
    EXPECT_EQ(FrequencyValueName(9), "");
}

// Each row: person p of count, and the RGB of the integer HSV rule, worked out by hand.
TEST(FrequencyValues, ColoursWalkTheHueWheelBackwardsFromRed)
{
    struct Row {
        int64_t p, count;
        int red, green, blue;
    } rows[] = {
        {1, 1, 255, 0, 0},    // h = 360 counts as 0: pure red
        {2, 3, 0, 0, 255},    // h = 240
        {3, 3, 0, 255, 0},    // h = 120
        {2, 5, 204, 0, 255},  // h = 288, sector 4: t = 255 - 65025·12 div 15300 = 204
        {3, 5, 0, 102, 255},  // h = 216, sector 3: q = 255 - 65025·36 div 15300 = 102
        {4, 5, 0, 255, 102},  // h = 144, sector 2: t = 102
        {5, 5, 204, 255, 0},  // h = 72, sector 1: q = 204
        {2, 7, 255, 0, 217},  // h = 309, sector 5: q = 255 - 585225 div 15300 = 217
        {3, 7, 77, 0, 255},   // h = 258 (720 div 7 = 102): t = 255 - 2731050 div 15300 = 77
        {2, 17, 255, 0, 90},  // h = 339: q = 255 - 2535975 div 15300 = 90
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.p) + " of " + std::to_string(row.count));
        const TColor color = DiagramColor(row.p, row.count);
        EXPECT_EQ(ColorRed(color), row.red);
        EXPECT_EQ(ColorGreen(color), row.green);
        EXPECT_EQ(ColorBlue(color), row.blue);
    }
    std::set<TColor> colours;
    for (int64_t p = 1; p <= 17; ++p) colours.insert(DiagramColor(p, 17));
    EXPECT_EQ(colours.size(), 17u) << "seventeen persons, seventeen colours";
}

TEST(FrequencyValues, CurveHasTheCountsMomentsAndTheirTotalArea)
{
    // Two paths in generation 1, two in generation 3: N = 4, μ = 2, σ² = (2 + 18) / 4 − 4 = 1.
    std::optional<NormalCurve> curve = FitNormalCurve({0, 2, 0, 2});
    ASSERT_TRUE(curve);
    EXPECT_DOUBLE_EQ(curve->total, 4);
    EXPECT_DOUBLE_EQ(curve->mean, 2);
    EXPECT_DOUBLE_EQ(curve->deviation, 1);
    EXPECT_DOUBLE_EQ(curve->At(2), 4 / std::sqrt(2 * M_PI));
    EXPECT_DOUBLE_EQ(curve->At(3.5), 4 / std::sqrt(2 * M_PI) * std::exp(-1.125));
    // The area under the curve is the number of occurrences.
    double area = 0;
    for (double x = -10; x < 14; x += 0.001) area += curve->At(x) * 0.001;
    EXPECT_NEAR(area, 4, 1e-6);
}

TEST(FrequencyValues, NoCurveWithoutOccurrencesOrWithAllInOneGeneration)
{
    EXPECT_FALSE(FitNormalCurve({}));
    EXPECT_FALSE(FitNormalCurve({0, 0, 0}));
    EXPECT_FALSE(FitNormalCurve({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
    // Large counts in one generation: the variance must come out as exactly zero, not as the
    // rounding rest of two huge sums.
    TArrayOfInt64 large(40, 0);
    large[37] = 123456789012345;
    EXPECT_FALSE(FitNormalCurve(large));
    EXPECT_TRUE(FitNormalCurve({0, 1, 1}));
}

TEST(FrequencyValues, QuarterTextsUseAPointAndNoTrailingZeros)
{
    const std::pair<int64_t, const char*> rows[] = {
        {0, "0"},    {1, "0.25"},   {2, "0.5"}, {3, "0.75"},          {8, "2"},
        {9, "2.25"}, {-1, "-0.25"}, {-8, "-2"}, {4 * 62 + 3, "62.75"}};
    for (const auto& [i, text] : rows) EXPECT_EQ(QuarterText(i), text) << i;
}

}  // namespace
}  // namespace qv
