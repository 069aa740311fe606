#include "view3d/webgl_numbers.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(WebGlNumbers, CoordinatesAreCutToTwoDecimals)
{
    const std::pair<float, const char*> cases[] = {
        {0.004f, "0"},   {12.349f, "12.34"}, {-0.5f, "-0.5"},
        {5.0f, "5"},     {1.2f, "1.2"},      {-0.359f, "-0.35"},
        {-0.004f, "-0"}, {0.0f, "0"},        {1234.5678f, "1234.56"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(CoordinateText(value), text);
    }
}

TEST(WebGlNumbers, FixedAndGeneralFormatsAsPrintfWouldWriteThem)
{
    EXPECT_EQ(FixedText(0.375, 2), "0.38");
    EXPECT_EQ(FixedText(0.45552, 3), "0.456");
    EXPECT_EQ(FixedText(-0.001, 2), "-0.00");
    EXPECT_EQ(GeneralText(5), "5");
    EXPECT_EQ(GeneralText(static_cast<long double>(0.6000000238418579f) * 2 * 5),
              "6.00000023841858");
    EXPECT_EQ(GeneralText(116.329202651978L), "116.329202651978");
}

TEST(WebGlNumbers, NamesStayOneScriptStringWhateverTheyHold)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Müller, Hans", "'Müller, Hans'"},
        {"O'Brien", "'O\\'Brien'"},
        {"a\\b", "'a\\\\b'"},
        {"</script>", "'\\x3C/script\\x3E'"},
        {"eins\r\nzwei", "'eins\\r\\nzwei'"},
        {std::string("tab\tnul\0x", 9), "'tab\\x09nul\\x00x'"},
        {"Zeile\u2028Absatz\u2029", "'Zeile\\u2028Absatz\\u2029'"},
        {"\xE2\x80\x99", "'\xE2\x80\x99'"},  // a typographic apostrophe stays as it is
        {"", "''"},
    };
    for (const auto& [text, literal] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ScriptStringLiteral(text), literal);
    }
}

}  // namespace
}  // namespace qv
