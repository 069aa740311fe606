// Path data rewritten into its shortest form.
#include "render/svg_path_rewrite.h"

#include <gtest/gtest.h>

#include "data/error.h"

namespace qv {
namespace {

TEST(SvgPathRewrite, ShortestFormPerCommand)
{
    struct Case {
        const char* data;
        const char* rewritten;
    } cases[] = {
        {"M10 10h20v30h-20z", "M10 10H30V40H10Z"},  // equal length: absolute wins
        {"M5 5L5 9L8 9", "M5 5V9H8"},
        {"M100 100L103 104", "M100 100l3 4"},
        {"M100 100L97 96", "M100 100l-3-4"},  // a minus sign separates numbers
        {"M0 0L1 1M0 0L2 2", "M0 0L1 1M0 0L2 2"},
        {"M200 200H210M200 200V190", "M200 200h10m-10 0V190"},
        {"M10 10h5v5h-5zM10 10h3v3h-3z", "M10 10h5v5H10Zh3v3H10Z"},  // move to where we are
        {"M0.1234 5.5678l0.1 0.1", "M0.123 5.568l0.1 0.1"},
        {"M 1 2 , L 3 4", "M1 2L3 4"},  // blanks and commas between commands
        {"M10 10A5 5 0 0 1 20 10", "M10 10a5 5 0 0 1 10 0"},
        {"M10 10a5 5 0 1 0 -10 0", "M10 10A5 5 0 1 0 0 10"},
        {"m30 40l1 1", "M30 40l1 1"},  // a leading relative move is absolute
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        auto rewritten = RewritePathData(c.data);
        ASSERT_TRUE(rewritten.has_value());
        EXPECT_EQ(*rewritten, c.rewritten);
    }
}

TEST(SvgPathRewrite, DataItCannotHandleStaysAsItIs)
{
    for (const char* data : {"", "M0 0C1 1 2 2 3 3", "M0 0L1e5 2", "M0 0L1 1 2 2", "M0\t0"}) {
        SCOPED_TRACE(data);
        EXPECT_FALSE(RewritePathData(data).has_value());
    }
    EXPECT_EQ(RewritePathLine("<path d=\"M0 0C1 1 2 2 3 3\" fill=\"none\"/>"),
              "<path d=\"M0 0C1 1 2 2 3 3\" fill=\"none\"/>");
    EXPECT_EQ(RewritePathLine("<a href=\"x\"><path d=\"M5 5L5 9\"/></a>"),
              "<a href=\"x\"><path d=\"M5 5V9\"/></a>");
}

TEST(SvgPathRewrite, UnreadableNumberIsAnError)
{
    try {
        RewritePathLine("<path d=\"M10 10L-\"/>");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "\"-\" ist keine gültige Zahl in \"M10 10L-\".");
    }
    EXPECT_THROW(RewritePathData("M10"), Error);
}

}  // namespace
}  // namespace qv
