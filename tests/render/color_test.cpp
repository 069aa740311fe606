// The two blend rules: truncating and rounding to even.
#include "render/color.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Color, BlendRules)
{
    struct Case {
        TColor oldColor, newColor;
        double a;
        TColor truncated, rounded;
    } cases[] = {
        {0x000000, 0xFFFFFF, 0.5, 0x7F7F7F, 0x808080},  // 127.5: down, and to even 128
        {0x000000, 0x030303, 0.5, 0x010101, 0x020202},  // 1.5: down, and to even 2
        {0x000000, 0x050505, 0.5, 0x020202, 0x020202},  // 2.5: down, and to even 2
        {0x102030, 0x102030, 0.3, 0x102030, 0x102030},  // same colour stays exact
        {0xFFFFFF, 0x000000, 1.0, 0x000000, 0x000000},
        {0xFF00FF, 0x00FF00, 0.0, 0xFF00FF, 0xFF00FF},
        {0xFF000000, 0x00000000, 0.5, 0x000000, 0x000000},  // the high byte plays no part
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::hex << c.oldColor << " " << c.newColor << " " << c.a);
        EXPECT_EQ(Blend(c.oldColor, c.newColor, c.a), c.truncated);
        EXPECT_EQ(RoundedBlend(c.oldColor, c.newColor, c.a), c.rounded);
    }
}

}  // namespace
}  // namespace qv
