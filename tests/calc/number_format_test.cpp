// The number texts of the metrics.
#include "calc/number_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(NumberFormat, TruncatedKeepsDigitsWithoutRounding)
{
    struct Case {
        int digits;
        double x;
        const char* text;
    } cases[] = {
        {4, 0.0625, "0.0625"},
        {4, 0.125, "0.125"},
        {4, 1.0, "1"},
        {4, 0.00001, "<0.0001"},
        {4, 0.00004, "<0.0001"},
        {4, 0.0, "0"},
        {2, 2.999, "2.99"},
        {2, -0.001, "-0"},
        {0, 0.5, "<1"},
        {2, 0.001, "<0.01"},
        {0, 12.9, "12"},
        {4, 1.0 / 3, "0.3333"},
        {2, 100.0, "100"},
        {4, -2.5, "-2.5"},
        {2, std::numeric_limits<double>::infinity(), "INF"},
        {2, -std::numeric_limits<double>::infinity(), "INF"},
        {4, std::nan(""), "NaN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.digits << " " << c.x);
        EXPECT_EQ(FormatTruncated(c.digits, c.x), c.text);
    }
}

TEST(NumberFormat, TruncatedPrintsExactValuesExactlyDespiteRepresentationError)
{
    struct Case {
        int digits;
        double x;
        const char* text;
    } cases[] = {
        {4, 1 - 0.8, "0.2"},                                 // 0.19999999999999996
        {4, -(1 - 0.8), "-0.2"},     {2, 0.1 + 0.2, "0.3"},  // 0.30000000000000004 stays as it was
        {2, 3 * 1.1, "3.3"},                                 // 3.3000000000000003
        {2, 0.7 - 0.4, "0.3"},                               // 0.29999999999999993
        {4, 1e-4 - 1e-20, "0.0001"}, {0, 3 - 1e-14, "3"},
        {2, 9.9999999, "9.99"},  // a real value below 10, truncated
        {2, 0.2899999, "0.28"},      {2, 123456789012345.67, "123456789012345.67"},
        {4, 1e-13, "<0.0001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.digits << " " << c.x);
        EXPECT_EQ(FormatTruncated(c.digits, c.x), c.text);
    }
}

TEST(NumberFormat, FractionHasAPowerOfTwoDenominator)
{
    struct Case {
        double x;
        const char* text;
    } cases[] = {
        {0.375, "3/8"},
        {1.5, "3/2"},
        {0.5, "1/2"},
        {0.0, "0"},
        {3.0, "3"},
        {-0.25, "-1/4"},
        {9.0 / 16, "9/16"},
        {std::ldexp(1, -62), "1/4611686018427387904"},
        {std::nan(""), "NaN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(FormatFraction(c.x), c.text);
    }
}

}  // namespace
}  // namespace qv
