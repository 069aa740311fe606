// Code pages, strict UTF-8 validity and UTF-16 transcoding.
#include "data/text_encoding.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextEncoding, StrictUtf8Validity)
{
    struct Case {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"M\xC3\xBCller", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"M\xFCller", false},         // Windows-1252 umlaut
        {"\xC3", false},              // cut off at the end of the line
        {"\xC0\xAF", false},          // overlong two-byte form
        {"\xE0\x80\xAF", false},      // overlong three-byte form
        {"\xED\xA0\x80", false},      // encoded surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\x80", false},
        {"\xE2\x82x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    }
}

TEST(TextEncoding, SingleBytePagesDifferWhereTheyShould)
{
    struct Case {
        SingleByteCodePage page;
        std::string expected;
    } cases[] = {
        {SingleByteCodePage::Windows1252, "\xE2\x82\xAC\xC2\x81\xC3\xBC\xC3\x9F"},
        {SingleByteCodePage::Latin1, "\xC2\x80\xC2\x81\xC3\xBC\xC3\x9F"},
        {SingleByteCodePage::Cp437, "\xC3\x87\xC3\xBC\xE2\x81\xBF\xE2\x96\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.page));
        EXPECT_EQ(Utf8FromSingleByte("\x80\x81\xFC\xDF", c.page), c.expected);
    }
    EXPECT_EQ(Utf8FromSingleByte("\xE1\xF9\xFF", SingleByteCodePage::Cp437),
              "\xC3\x9F\xE2\x88\x99\xC2\xA0");
    EXPECT_EQ(Utf8FromSingleByte("abc", SingleByteCodePage::Cp437), "abc");
}

TEST(TextEncoding, Utf16RoundTripAndMalformedInput)
{
    const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";
    std::u16string wide = Utf16FromUtf8(text);
    EXPECT_EQ(wide, (std::u16string{u'a', u'ä', u'€', 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8FromUtf16(wide), text);
    EXPECT_EQ(Utf16FromUtf8("ok\xFF"), u"");
    EXPECT_EQ(Utf8FromUtf16(std::u16string{0xDE00, u'x', 0xD83D}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(TextEncoding, Utf16BytesInBothOrdersIgnoreAnOddLastByte)
{
    EXPECT_EQ(Utf8FromUtf16Bytes(std::string("\x00\xE4\x00", 3), true), "\xC3\xA4");
    EXPECT_EQ(Utf8FromUtf16Bytes(std::string("\xE4\x00", 2), false), "\xC3\xA4");
}

TEST(TextEncoding, Windows1252FromUtf8MarksWhatItCannotHold)
{
    struct Case {
        std::string utf8;
        std::string bytes;
    } cases[] = {
        {"Jäger ß", "J\xE4ger \xDF"},
        {"€ „x“ Œ", "\x80 \x84x\x93 \x8C"},
        {"Мария 😀", "????? ?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Windows1252FromUtf8(c.utf8), c.bytes);
        if (c.bytes.find('?') == std::string::npos) {
            EXPECT_EQ(Utf8FromSingleByte(c.bytes, SingleByteCodePage::Windows1252), c.utf8);
        }
    }
}

}  // namespace
}  // namespace qv
