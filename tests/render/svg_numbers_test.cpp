// Number and colour texts, and reading numbers of path data.
#include "render/svg_numbers.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "data/error.h"

namespace qv {
namespace {

TEST(SvgNumbers, RealTexts)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {12.5, 3, "12.5"},
        {3, 3, "3"},
        {0.0004, 3, "0"},
        {1 / 3.0, 3, "0.333"},
        {-0.0004, 3, "0"},
        {-2.5, 3, "-2.5"},
        {100, 3, "100"},
        {0.72, 4, "0.72"},
        {1.35, 1, "1.4"},
        {1234567.0, 1, "1234567"},
        {std::numeric_limits<double>::infinity(), 3, "INF"},
        {std::numeric_limits<double>::quiet_NaN(), 3, "NaN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RealText(c.value, c.decimals), c.text);
    }
}

TEST(SvgNumbers, ColourTexts)
{
    struct Case {
        TColor color;
        const char* text;
    } cases[] = {
        {0xFFFFFF, "#FFF"}, {0x000000, "#000"},    {0xF0F0F0, "#F0F0F0"},
        {0x0000FF, "#F00"}, {0xFF0000, "#00F"},    {0x008000, "#008000"},
        {0x00FFFF, "#FF0"}, {0x123456, "#563412"}, {0xFF112233, "#321"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorText(c.color), c.text);
    }
}

TEST(SvgNumbers, ReadingNumbersAndTheirErrors)
{
    size_t pos = 0;
    EXPECT_EQ(ReadPathNumber("  -1.5-2", pos, ""), -1.5);
    EXPECT_EQ(ReadPathNumber("  -1.5-2", pos, ""), -2);
    pos = 0;
    EXPECT_EQ(ReadPathNumber(".5", pos, ""), 0.5);
    // A caller that stepped over a separator at the very end.
    pos = 3;
    EXPECT_THROW(ReadPathNumber("5", pos, ""), Error);
    EXPECT_EQ(pos, 1u);
    struct Case {
        const char* text;
        const char* message;
    } bad[] = {
        {"- 5", "\"-\" ist keine gültige Zahl in \"M10 - 5\"."},
        {"", "\"\" ist keine gültige Zahl in \"M10 - 5\"."},
        {"1.2.3", "\"1.2.3\" ist keine gültige Zahl in \"M10 - 5\"."},
        {"L", "\"\" ist keine gültige Zahl in \"M10 - 5\"."},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.text);
        pos = 0;
        try {
            ReadPathNumber(c.text, pos, "M10 - 5");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace qv
