// Round tick steps and tick texts of the frequency picture.
#include "charts/frequency/diagram_axis.h"

#include <clocale>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DiagramAxis, StepsAreOneTwoOrFiveTimesAPowerOfTen)
{
    struct Row {
        double span;
        int wanted;
        double minimum, step;
    } rows[] = {{10, 5, 0, 2}, {7, 6, 0, 2},   {100, 6, 0, 20}, {1, 5, 0, 0.2},
                {3, 12, 1, 1}, {40, 12, 1, 5}, {250, 6, 0, 50}, {0, 6, 1, 1}};
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(RoundStep(row.span, row.wanted, row.minimum), row.step) << row.span;
}

TEST(DiagramAxis, ValueAxisEndsOnTheFirstTickAtOrAboveTheMaximum)
{
    AxisScale scale = ValueScale(7.3, 6);
    EXPECT_DOUBLE_EQ(scale.step, 2);
    EXPECT_DOUBLE_EQ(scale.high, 8);
    EXPECT_EQ(scale.Ticks(), (std::vector<double>{0, 2, 4, 6, 8}));
    EXPECT_DOUBLE_EQ(ValueScale(8, 6).high, 8) << "a maximum on a tick stays the end";
    EXPECT_DOUBLE_EQ(ValueScale(0, 6).high, 1) << "nothing to show still gives an axis";
    EXPECT_DOUBLE_EQ(scale.Fraction(2), 0.25);
}

TEST(DiagramAxis, TicksOfAShiftedAxisStartAtTheFirstMultiple)
{
    AxisScale generations{1.5, 6.5, 1};
    EXPECT_EQ(generations.Ticks(), (std::vector<double>{2, 3, 4, 5, 6}));
    AxisScale tenths{0, 0.6, 0.2};
    EXPECT_EQ(tenths.Ticks().size(), 4u) << "0.6 is reached despite rounding";
}

TEST(DiagramAxis, TickTextsShowTheDecimalsOfTheStepWithAPointInAnyLocale)
{
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = before ? before : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(TickText(0.4, 0.2), "0.4");
    EXPECT_EQ(TickText(1.0000000001, 0.5), "1.0");
    EXPECT_EQ(TickText(12, 2), "12");
    EXPECT_EQ(TickText(3000, 1000), "3000");
    EXPECT_EQ(TickText(-0.0, 1), "0");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace qv
