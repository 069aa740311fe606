// Encodings, line splitting, tree building and the reader's failure messages.
#include "data/gedcom_reader.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/gedcom_line.h"
#include "gedcom_fixture.h"

namespace qv {
namespace {

using test::DataFromGedcom;

// UTF-16 bytes of an ASCII/Latin-1 text, optionally with byte-order mark.
std::string Utf16(const std::u16string& text, bool bigEndian, bool bom)
{
    std::string bytes;
    std::u16string all = bom ? u"\uFEFF" + text : text;
    for (char16_t u : all) {
        char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

std::string MessageOf(const std::string& bytes)
{
    try {
        LoadGedcomBytes(bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(GedcomReader, Utf16InEveryFormReadsLikeUtf8)
{
    const std::u16string body =
        u"0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n1 NAME Jürgen /Weiß/\r\n0 TRLR\r\n";
    TAhnenData utf8 = DataFromGedcom(
        "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME J\xC3\xBCrgen /Wei\xC3\x9F/\r\n0 TRLR\r\n");
    std::u16string lfOnly = body;
    std::erase(lfOnly, u'\r');
    for (bool bigEndian : {false, true}) {
        for (bool bom : {false, true}) {
            for (const std::u16string& text : {body, lfOnly}) {
                SCOPED_TRACE(testing::Message() << "big endian " << bigEndian << ", bom " << bom
                                                << ", crlf " << (text == body));
                TAhnenData data = DataFromGedcom(Utf16(text, bigEndian, bom));
                ASSERT_EQ(data.Persons.size(), 1u);
                EXPECT_EQ(data.Persons[0].GivenNames, utf8.Persons[0].GivenNames);
                EXPECT_EQ(data.Persons[0].Surname, utf8.Persons[0].Surname);
                EXPECT_EQ(data.CharSet, "UNICODE");
            }
        }
    }
}

TEST(GedcomReader, Utf16TrailerEndsReadingAfterTrimming)
{
    TAhnenData data = DataFromGedcom(
        Utf16(u"0 HEAD\n0 @I1@ INDI\n 0 TRLR \n0 @I2@ INDI\n", false, true));
    EXPECT_EQ(data.Persons.size(), 1u);
}

TEST(GedcomReader, LoneSurrogateInUtf16BecomesReplacementCharacter)
{
    TAhnenData data = DataFromGedcom(Utf16(u"0 HEAD\n0 @I1@ INDI\n1 NAME A\xD800Z\n", false, true));
    EXPECT_EQ(data.Persons[0].GivenNames, "A\xEF\xBF\xBDZ");
}

TEST(GedcomReader, HeaderDecidesOverByteOrderMark)
{
    // A UTF-8 mark with "CHAR ANSI": the umlaut is converted again, so it comes out doubled.
    TAhnenData data = DataFromGedcom(
        "\xEF\xBB\xBF" "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME J\xC3\xBCrgen\n");
    EXPECT_EQ(data.Persons[0].GivenNames, "J\xC3\x83\xC2\xBCrgen");
}

TEST(GedcomReader, InvalidLinesOfUtf8FileAreReadAsWindows1252WithOneWarning)
{
    TAhnenData data = DataFromGedcom(
        "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME J\xFCrgen /M\xFCller/\n"
        "0 @I2@ INDI\n1 NAME J\xC3\xBCrgen\n0 @I3@ INDI\n1 NAME \x80uro\n");
    EXPECT_EQ(data.Persons[0].GivenNames, "J\xC3\xBCrgen");
    EXPECT_EQ(data.Persons[0].Surname, "M\xC3\xBCller");
    EXPECT_EQ(data.Persons[1].GivenNames, "J\xC3\xBCrgen");
    EXPECT_EQ(data.Persons[2].GivenNames, "\xE2\x82\xACuro");
    ASSERT_EQ(data.Warnings.size(), 1u);
    EXPECT_EQ(data.Warnings[0],
              "Die Datei weist Fehler in der UTF-8-Kodierung auf.\r\n"
              "Entsprechende Zeilen werden als ANSI-kodiert interpretiert.");
}

TEST(GedcomReader, NoInvalidUtf8EntersTheModelWhateverTheHeaderSays)
{
    struct Case {
        const char* charSet;
        const char* expected;  // the byte 0x82 as the code page reads it
    } cases[] = {
        {"IBMPC", "\xC3\xA9"},        // CP437: é
        {"ISO-8859-1", "\xC2\x82"},   // Latin-1: a C1 control
        {"ASCII", "\xE2\x80\x9A"},    // Windows-1252: ‚
        {nullptr, "\xE2\x80\x9A"},    // no CHAR line at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.charSet ? c.charSet : "(none)");
        std::string header = c.charSet ? std::string("1 CHAR ") + c.charSet + "\n" : "";
        TAhnenData data =
            DataFromGedcom("0 HEAD\n" + header + "0 @I1@ INDI\n1 NAME Fr\x82mont\n");
        EXPECT_EQ(data.Persons[0].GivenNames, std::string("Fr") + c.expected + "mont");
        EXPECT_TRUE(data.Warnings.empty());
    }
}

TEST(GedcomReader, CharacterCutAtAContinuationStaysUtf8)
{
    // Exporters split long values with CONC in the middle of a character.
    struct Case {
        const char* lines;  // a PLAC line and what follows it
        const char* place;
        const char* continuation;  // the line after the PLAC line as the tree keeps it
    } cases[] = {
        {"2 PLAC K\xC3\xB6ln-M\xC3\n3 CONC \xBClheim\n", "K\xC3\xB6ln-M\xC3\xBC", "3 CONC lheim"},
        {"2 PLAC a\xF0\x9F\n3 CONC \x98\n3 CONC \x80!\n", "a\xF0\x9F\x98\x80", "3 CONC "},
        // Still cut after joining: only the incomplete tail goes.
        {"2 PLAC K\xC3\xB6ln-M\xC3\n", "K\xC3\xB6ln-M", ""},
        {"2 PLAC K\xC3\xB6ln-M\xC3\n3 CONC x\n", "K\xC3\xB6ln-M", "3 CONC x"},
        {"2 PLAC K\xC3\xB6ln-M\xE2\x82\n3 CONT \xAC\n", "K\xC3\xB6ln-M", "3 CONT \xC2\xAC"},
        // Nothing but ASCII before the last byte: a Windows-1252 "ß", not a cut character.
        {"2 PLAC Strau\xDF\n", "Strau\xC3\x9F", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.lines)));
        const std::string text =
            "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n" + std::string(c.lines) + "0 TRLR\n";
        TAhnenData data = DataFromGedcom(text);
        EXPECT_EQ(data.Persons[0].Birth.Place, c.place);
        TGedcom tree = LoadGedcomBytes(text);
        std::string next = tree.NodeCount() > 6 ? std::string(tree.Node(6).Line()) : "";
        EXPECT_EQ(next, c.continuation);
    }
}

TEST(GedcomReader, AnselFileIsReorderedAndComposed)
{
    TAhnenData data = DataFromGedcom("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME M\xE8uller /\xB2ster/\n");
    EXPECT_EQ(data.Persons[0].GivenNames, "M\xC3\xBCller");
    EXPECT_EQ(data.Persons[0].Surname, "\xC3\xB8ster");
}

TEST(GedcomReader, LinesEndAtCrLfOrCrLf)
{
    TAhnenData data = DataFromGedcom("0 HEAD\r0 @I1@ INDI\r\n1 NAME A\n0 @I2@ INDI\r1 NAME B\r\n");
    ASSERT_EQ(data.Persons.size(), 2u);
    EXPECT_EQ(data.Persons[0].GivenNames, "A");
    EXPECT_EQ(data.Persons[1].GivenNames, "B");
}

TEST(GedcomReader, BareLineFeedInsideValueOfCrLfFileContinuesTheLine)
{
    // Some exporters write multi-line HTML notes with bare LF inside CR LF files.
    TAhnenData data = DataFromGedcom(
        "0 HEAD\r\n0 @I1@ INDI\r\n1 NOTE <div>a</div>\n<p>b</p>\r\n1 NAME A /B/\r\n"
        "0 @I2@ INDI\n1 NAME C\r\n");
    ASSERT_EQ(data.Persons.size(), 2u);
    EXPECT_EQ(data.Persons[0].Surname, "B");
    EXPECT_EQ(data.Persons[1].GivenNames, "C");
}

TEST(GedcomReader, TrailerEndsReadingOnlyWhenExact)
{
    EXPECT_EQ(DataFromGedcom("0 HEAD\n0 @I1@ INDI\n0 TRLR\n0 @I2@ INDI\n").Persons.size(), 1u);
    EXPECT_EQ(DataFromGedcom("0 HEAD\n0 @I1@ INDI\n0 TRLR \n0 @I2@ INDI\n").Persons.size(), 2u);
}

TEST(GedcomReader, FirstLineIsLevelZeroWhateverItSays)
{
    TAhnenData data = DataFromGedcom("garbage\n0 @I1@ INDI\n1 NAME A\n");
    EXPECT_EQ(data.Persons.size(), 1u);
    TGedcom tree = LoadGedcomBytes("\x01\x02x HEAD\n1 CHAR UTF-8\n");
    EXPECT_EQ(tree.Node(1).Level, 0);
}

TEST(GedcomReader, SkippedLevelAttachesToLastLineOfTheLevelAboveSeenAnywhere)
{
    // Nodes: 1 "0 HEAD", 2 "1 A", 3 "2 B", 4 "0 C", 5 "1 D", 6 "3 E".
    TGedcom tree = LoadGedcomBytes("0 HEAD\n1 A\n2 B\n0 C\n1 D\n3 E\n");
    EXPECT_EQ(tree.Node(3).FirstChild, 6);
    EXPECT_EQ(tree.Node(5).FirstChild, -1);
}

TEST(GedcomReader, SkippedLevelWithoutAnyLineAboveHangsFromTheRoot)
{
    TGedcom tree = LoadGedcomBytes("0 HEAD\n5 ORPHAN\n");
    EXPECT_EQ(tree.Node(1).NextSibling, 2);
    EXPECT_EQ(tree.Node(2).Level, 5);
}

TEST(GedcomReader, MalformedInputFailsWithExactMessages)
{
    struct Case {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"", "Listenindex überschreitet das Maximum (0)"},
        {"0 HEAD\nNOSPACE\n", "'NOSPACE' ist kein gültiger Integerwert"},
        {"0 HEAD\n 1 NAME x\n", "'' ist kein gültiger Integerwert"},
        {"0 HEAD\nx1 NAME\n", "'x1' ist kein gültiger Integerwert"},
        {"0 HEAD\n99999999999 NAME\n", "'99999999999' ist kein gültiger Integerwert"},
        {"0 HEAD\n128 NAME\n", "Fehler bei Bereichsprüfung"},
        {"0 HEAD\n-1 NAME\n", "Fehler bei Bereichsprüfung"},
        {"0 HEAD\n\xFF\xFE\xFD NAME\n", "'\xC3\xBF\xC3\xBE\xC3\xBD' ist kein gültiger Integerwert"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(MessageOf(c.bytes), c.message);
    }
}

TEST(GedcomReader, QuotedLevelTextIsPrintableAndEndsAtALoneLineFeed)
{
    // The start of a PNG file renamed to ".ged": CR LF, then a lone LF among binary bytes.
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20);
    struct Case {
        std::string bytes;
        std::string message;
    } cases[] = {
        {png, "'\\x1A' ist kein gültiger Integerwert"},
        {std::string("0 HEAD\nA\0B C\n", 13), "'A\\x00B' ist kein gültiger Integerwert"},
        {"0 HEAD\n\x7F\x1B[1m NAME\n", "'\\x7F\\x1B[1m' ist kein gültiger Integerwert"},
        {"0 HEAD\r\nX\nY Z\r\n", "'X' ist kein gültiger Integerwert"},
        {"0 HEAD\n\x81x NAME\n", "'\\x81x' ist kein gültiger Integerwert"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(MessageOf(c.bytes), c.message);
    }
}

TEST(GedcomReader, UnreadableFileNamesFullPathAndReason)
{
    auto directory = std::filesystem::temp_directory_path() /
                     ("qv-reader-dir-" + std::to_string(::getpid()) + ".ged");
    std::filesystem::create_directories(directory);
    const std::string relative = "qv-nonexistent-dir/x.ged";
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {"/nonexistent/x.ged",
         "Datei /nonexistent/x.ged kann nicht geöffnet werden. No such file or directory"},
        {relative, "Datei " + (std::filesystem::current_path() / relative).string() +
                       " kann nicht geöffnet werden. No such file or directory"},
        {directory.string(),
         "Datei " + directory.string() + " kann nicht geöffnet werden. Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            LoadGedcomFile(c.path);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    std::filesystem::remove(directory);
}

TEST(GedcomLine, AnatomyUsesOnlySingleSpaces)
{
    EXPECT_EQ(LineTag("1 NAME John  /Smith/ "), "NAME");
    EXPECT_EQ(LineValue("1 NAME John  /Smith/ "), "John  /Smith/ ");
    EXPECT_EQ(LineTag("0 HEAD"), "HEAD");
    EXPECT_EQ(LineValue("0 HEAD"), "");
    EXPECT_EQ(LineTag("0"), "");
    EXPECT_EQ(XrefId("@F12@"), "F12");
    EXPECT_EQ(XrefId("F12"), "");
}

}  // namespace
}  // namespace qv
