// Natural order of ids and footnote keys.
#include "app/natural_order.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CompareNatural, DigitRunsCompareByValue)
{
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"9)", "10)", -1},
        {"10)", "9)", 1},
        {"12)", "12)", 0},
        {"007)", "7)", 0},
        {"2)", "12\x0Ex\x0F)", -1},
        {"12\x0Ex\x0F)", "12)", -1},  // the control character sorts before ")"
        {"a2", "A10", -1},
        {"abc", "ABD", -1},
        {"x", "x1", -1},
        {"", "", 0},
        {"99999999999999999999)", "100000000000000000000)", -1},  // longer than 64 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
        int result = CompareNatural(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.expected);
    }
}

TEST(CompareNatural, IdsSortAsInThePersonList)
{
    struct Case {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"I2", "I10", -1}, {"I10", "I10", 0}, {"I010", "I10", 0}, {"F1", "I1", -1},
        {"I1a", "I1", 1},  {"", "I1", -1},    {"I99999999999999999999", "I100000000000000000000", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(CompareNatural(c.a, c.b), c.expected);
    }
}

}  // namespace
}  // namespace qv
