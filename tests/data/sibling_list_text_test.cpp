// The sibling-list text format: file bytes, lenient parsing, and the lines it refuses.
#include "data/sibling_list_text.h"

#include <gtest/gtest.h>

#include "data/error.h"

namespace qv {
namespace {

TEST(SiblingListText, FileIsWindows1252WithCrLfAndSlashesInNamesAreReplaced)
{
    TAhnenData data(3, 0);
    data.Persons[0].Surname = "Müller";
    data.Persons[1].Surname = "Lord/Prince";
    data.Persons[2].Surname = "Weiß";
    SiblingGroups groups;
    groups.CommonMother.push_back({{6, 1}, {7, 2}});
    std::vector<std::string> lines = SiblingListLines(data, groups, 0);
    EXPECT_EQ(SiblingListFileBytes(lines),
              "Halbgeschwister - Mutter\r\n\r\n6 7 /Lord|Prince/Wei\xDF/\r\n\r\n"
              "Einzelpersonen\r\n\r\n1 /M\xFCller/\r\n");
}

TEST(SiblingListText, NamesOutsideWindows1252MakeAUtf8FileWithAByteOrderMark)
{
    const std::string bytes = SiblingListFileBytes({"Einzelpersonen", "", "1 /Łódź/"});
    EXPECT_EQ(bytes,
              "\xEF\xBB\xBF"
              "Einzelpersonen\r\n\r\n1 /Łódź/\r\n");
    EXPECT_EQ(ParseSiblingList(bytes, "l.txt").Singles.Names, TArrayOfString{"Łódź"});
    // Letters Windows-1252 has beyond Latin-1 keep the single-byte file.
    EXPECT_EQ(SiblingListFileBytes({"1 /Müller € Šimek/"}), "1 /M\xFCller \x80 \x8Aimek/\r\n");
}

TEST(SiblingListText, ParsingAcceptsMoreThanIsWritten)
{
    SiblingListContents c = ParseSiblingList(
        "Kopfzeile vor der ersten \xDC"
        "berschrift: 5 6 /x/\r\n"
        "*** Vollgeschwister ***\n"
        "\n"
        "12, 14;16 /Berg/J\xE4ger/ Rest ohne Schr\xE4gstrich\r\n"
        "20 22 //Kurz/\n"
        "Halbgeschwister - Mutter\r"
        "  \t \r"
        "40 41\r"
        "Einzelpersonen\n"
        "1 3 /Probe/\n"
        "7 /Sieben/\n",
        "liste.txt");
    ASSERT_EQ(c.Full.size(), 2u);
    EXPECT_EQ(c.Full[0].Numbers, (TArrayOfInt64{12, 14, 16}));
    EXPECT_EQ(c.Full[0].Names, (TArrayOfString{"Berg", "Jäger"}));
    EXPECT_EQ(c.Full[1].Names, (TArrayOfString{"", "Kurz"}));
    EXPECT_TRUE(c.CommonFather.empty());
    ASSERT_EQ(c.CommonMother.size(), 1u);
    EXPECT_EQ(c.CommonMother[0].Numbers, (TArrayOfInt64{40, 41}));
    EXPECT_TRUE(c.CommonMother[0].Names.empty());
    // Names pair with the numbers of their own line.
    EXPECT_EQ(c.Singles.Numbers, (TArrayOfInt64{1, 3, 7}));
    EXPECT_EQ(c.Singles.Names, (TArrayOfString{"Probe", "", "Sieben"}));
}

TEST(SiblingListText, NamesAreUtf8AfterAByteOrderMarkOrWhenValid)
{
    for (std::string bytes : {"\xEF\xBB\xBFVollgeschwister\r\n2 3 /M\xC3\xBCller/Wei\xC3\x9F/\r\n",
                              "Vollgeschwister\r\n2 3 /M\xC3\xBCller/Wei\xC3\x9F/\r\n",
                              "Vollgeschwister\r\n2 3 /M\xFCller/Wei\xDF/\r\n"}) {
        SCOPED_TRACE(bytes);
        SiblingListContents c = ParseSiblingList(bytes, "l.txt");
        ASSERT_EQ(c.Full.size(), 1u);
        EXPECT_EQ(c.Full[0].Names, (TArrayOfString{"Müller", "Weiß"}));
    }
}

TEST(SiblingListText, NumbersOutsideTheModelAndSurplusNamesAbortTheLoad)
{
    struct Case {
        std::string line;
        std::string message;
    } cases[] = {
        {"0 3 /a/b/", "Verschwisterungsliste l.txt, Zeile 3: Die Kekule-Nummer 0 gibt es nicht."},
        {"12 0000 /a/b/",
         "Verschwisterungsliste l.txt, Zeile 3: Die Kekule-Nummer 0 gibt es nicht."},
        {"4611686018427387904 5",
         "Verschwisterungsliste l.txt, Zeile 3: Die Kekule-Nummer 4611686018427387904 ist zu "
         "groß (höchstens 4611686018427387903)."},
        {"99999999999999999999999999999999999 5",
         "Verschwisterungsliste l.txt, Zeile 3: Die Kekule-Nummer "
         "999999999999999999999999999999… ist zu groß (höchstens 4611686018427387903)."},
        {"12 14 /a/b/c/",
         "Verschwisterungsliste l.txt, Zeile 3: Mehr Namen (3) als Kekule-Nummern (2)."},
        {"/a/", "Verschwisterungsliste l.txt, Zeile 3: Mehr Namen (1) als Kekule-Nummern (0)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            ParseSiblingList("Halbgeschwister - Vater\r\n\r\n" + c.line + "\r\n", "l.txt");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    // The largest number that is accepted.
    EXPECT_EQ(ParseSiblingList("Einzelpersonen\n4611686018427387903\n", "l.txt").Singles.Numbers,
              TArrayOfInt64{4611686018427387903});
}

}  // namespace
}  // namespace qv
