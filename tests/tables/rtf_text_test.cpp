// Escaping text for RTF and reading our RTF back with its formats.
#include "tables/rtf_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "rtf_reading.h"

namespace qv {
namespace {

using test::ReadRtf;
using test::RtfPlainText;

TEST(RtfText, EscapesSpecialCharactersBreaksAndEveryNonAsciiCharacter)
{
    struct Case {
        std::string text;
        std::string rtf;
    } cases[] = {
        {"Müller", "M\\u252\\'fcller"},
        {"C:\\Ahnen {alt}", "C:\\\\Ahnen \\{alt\\}"},
        {"a\tb", "a\\tab b"},
        {"a\r\nb\nc\rd", "a\\line b\\line c\\line d"},
        {"2\x0E"
         "3\x0F",
         "2\\super 3\\nosupersub "},
        {"50 €", "50 \\u8364\\'80"},
        {"大和", "\\u22823?\\u21644?"},
        // Beyond U+FFFF: the surrogate pair, each as a signed 16-bit number.
        {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
        // A cut-off sequence and a stray continuation byte cannot break the document.
        {"ab\xC3", "ab?"},
        {"\x80x", "?x"},
        {"bell\x07", "bell"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RtfEscape(c.text), c.rtf);
    }
}

TEST(RtfText, EscapedTextReadsBackUnchanged)
{
    for (std::string text : {"Jürgen Weiß", "{[\\]}", "Zoë Ærø 50 €", "大和 \xF0\x9F\x98\x80",
                             "Tab\there", "two\nlines"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(RtfPlainText(RtfDocument(RtfEscape(text))), text);
    }
}

TEST(RtfDocument, ShowsBoldUnderlineSuperscriptAndFontSize)
{
    auto document = ReadRtf(RtfDocument(
        "\\b Name:\\b0 \\tab x \\ul 6\\ul0  y\\super 2\\nosupersub  {\\fs18 small} end"));
    EXPECT_EQ(document->toPlainText().toStdString(), "Name:\tx 6 y2 small end");
    auto formatAt = [&](int position) {
        QTextCursor cursor(document.get());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    EXPECT_TRUE(formatAt(0).font().bold());
    EXPECT_FALSE(formatAt(6).font().bold());
    EXPECT_TRUE(formatAt(8).fontUnderline());
    EXPECT_FALSE(formatAt(9).fontUnderline());
    EXPECT_EQ(formatAt(11).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatAt(10).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_DOUBLE_EQ(formatAt(13).fontPointSize(), 9.0);
    // The group ends with its brace: the size before it returns.
    EXPECT_DOUBLE_EQ(formatAt(19).fontPointSize(), 10.0);
}

TEST(RtfDocument, SkipsDestinationsAndSurvivesBrokenInput)
{
    struct Case {
        std::string rtf;
        std::string text;
    } cases[] = {
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\generator Other;}shown}", "shown"},
        {"{\\rtf1 \\'e4\\'80 \\u252\\'fc!}", "ä€ ü!"},
        {"{\\rtf1 unclosed {\\b group", "unclosed group"},
        {"}}{\\rtf1 a}}}", "a"},
        {"{\\rtf1 cut \\u", "cut "},
        {"{\\rtf1 cut \\'4", "cut "},
        {"{\\rtf1 \\", ""},
        {"{\\rtf1 \\unknownword12 x\\par y}", "x\ny"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rtf);
        EXPECT_EQ(RtfPlainText(c.rtf), c.text);
    }
}

}  // namespace
}  // namespace qv
