// Word wrapping of the footnote block.
#include "charts/tree/footnote_layout.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Ten pixels a byte.
int32_t Width(std::string_view text)
{
    return int32_t(text.size()) * 10;
}

TEST(WrapFootnote, WordsFillLinesUpToTheLimitAfterTheKey)
{
    struct Case {
        const char* name;
        std::string text;
        int32_t limit;
        std::vector<std::string> lines;  // text of each line; the key only on the first
    } cases[] = {
        {"fits", "12, 45, 1033", 200, {" 12, 45, 1033"}},
        // "12) 12, 45," is 11 bytes: with the next word it would be 16.
        {"breaks", "12, 45, 1033", 150, {" 12, 45,", " 1033"}},
        {"exactly at the limit", "12, 45, 1033", 160, {" 12, 45, 1033"}},
        {"word wider than the limit", "123456789012345", 50, {" 123456789012345"}},
        {"blanks collapse", "a  b", 200, {" a b"}},
        {"empty text", "", 200, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FootnoteLine> lines = WrapFootnote("12)", c.text, c.limit, Width);
        ASSERT_EQ(lines.size(), c.lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].Key, i == 0 ? "12)" : "");
            EXPECT_EQ(lines[i].Text, c.lines[i]);
        }
    }
}

}  // namespace
}  // namespace qv
