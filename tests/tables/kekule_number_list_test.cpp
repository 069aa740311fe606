// The Kekule number lists: layout by generation, underlined X numbers, click positions.
#include "tables/kekule_number_list.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "rtf_reading.h"

namespace qv {
namespace {

using test::ReadRtf;

TEST(KekuleNumberList, GroupsGenerationsFiveNumbersToALine)
{
    KekuleNumberList list =
        BuildKekuleNumberList({2, 8, 9, 10, 11, 12, 13, 14}, true, KekuleListKind::All);
    EXPECT_EQ(ReadRtf(list.rtf)->toPlainText().toStdString(),
              "Kekule-Nummern:\n"
              "Generation:\tNummern:\n"
              "1\t\t2\n"
              "3\t\t8, 9, 10, 11, 12, \n"
              "\t\t13, 14\n");
    list = BuildKekuleNumberList({}, false, KekuleListKind::XChromosomal);
    EXPECT_EQ(ReadRtf(list.rtf)->toPlainText().toStdString(),
              "X-Chromosomale Kekule-Nummern:\nGeneration:\tNummern:\n");
    EXPECT_TRUE(list.ranges.empty());
}

TEST(KekuleNumberList, EveryRangeCoversItsNumberAndXNumbersAreUnderlined)
{
    // For a male root 2, 5 and 12 lie on no X line (a father's father, or the root's
    // father); 3, 6 and 7 do.
    const TArrayOfInt64 numbers = {2, 3, 5, 6, 7, 12};
    for (KekuleListKind kind : {KekuleListKind::All, KekuleListKind::XChromosomal}) {
        KekuleNumberList list = BuildKekuleNumberList(numbers, true, kind);
        auto document = ReadRtf(list.rtf);
        QString text = document->toPlainText();
        ASSERT_EQ(list.ranges.size(), numbers.size());
        for (const KekuleNumberRange& range : list.ranges) {
            SCOPED_TRACE(range.number);
            EXPECT_EQ(text.mid(range.start, range.end - range.start).toStdString(),
                      std::to_string(range.number));
            QTextCursor cursor(document.get());
            cursor.setPosition(static_cast<int>(range.end));
            bool x = range.number == 3 || range.number == 6 || range.number == 7;
            EXPECT_EQ(cursor.charFormat().fontUnderline(), x);
        }
    }
}

TEST(KekuleNumberList, PositionsMapToTheNumberUnderThemOrToNothing)
{
    KekuleNumberList list = BuildKekuleNumberList({4, 5, 6}, false, KekuleListKind::All);
    // "Kekule-Nummern:\n" is 16 characters, "Generation:\tNummern:\n" 21, "2\t\t" 3 more.
    const int64_t first = 16 + 21 + 3;
    struct Case {
        int64_t position;
        int64_t number;
    } cases[] = {
        {first, 4},                // before the digit
        {first + 1, 4},            // after it: both ends belong to the number
        {first + 2, 0},            // inside ", "
        {first + 3, 5},   {0, 0},  // on the heading
        {first + 100, 0},          // beyond the text
        {-1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(KekuleNumberAt(list.ranges, c.position), c.number);
    }
    // The X-chromosomal heading is 15 characters longer.
    KekuleNumberList x = BuildKekuleNumberList({4, 5, 6}, false, KekuleListKind::XChromosomal);
    EXPECT_EQ(x.ranges.front().start, list.ranges.front().start + 15);
}

}  // namespace
}  // namespace qv
