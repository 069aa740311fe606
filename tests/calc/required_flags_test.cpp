// Which placeholders select which precomputation.
#include "calc/required_flags.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RequiredFlags, PlaceholdersSelectTheirBits)
{
    struct Case {
        const char* text;
        uint16_t flags;
    } cases[] = {
        {"<gb>", kCalcPaths},
        {"<g''b(s)>", kCalcPaths},
        {"<gbs(d)>", kCalcDirectPaths},
        {"<zx1>", kCalcPathsX1},
        {"<gbsx2(s)>", kCalcPathsX2},
        {"<bx1(d)>", kCalcDirectX1},
        {"<g'bx2(d)>", kCalcDirectX2},
        {"<f> <fw>\r\n<fx>", kCalcF | kCalcFW | kCalcFX},
        {"<gc>", kCalcC},
        {"<Kekule>", kCalcKekule},
        {"<KekuleX> <Kekule-Min> <kmin> <NName>", 0},
        {"<gbs(x)> <GB> gb", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RequiredFlags(c.text), c.flags);
    }
}

}  // namespace
}  // namespace qv
