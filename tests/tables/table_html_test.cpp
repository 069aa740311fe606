// HTML tables: exact lines, escaping that keeps superscripts, progress and cancel.
#include "tables/table_html.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Lines = std::vector<std::string>;

TEST(TableHtml, CellsBecomeOneLineEachWithSuperscriptsAndEscapes)
{
    TTableData table = {{"Wert",
                         "2\x0E"
                         "1\x0F",
                         "a<b", "R&D"},
                        {"<i>x</i>", "x>y", "\"q\"", ""}};
    Lines lines;
    ASSERT_TRUE(WriteTableHtml(lines, table, true));
    EXPECT_EQ(lines,
              (Lines{"<table border=\"1\" rules=\"all\">", "<tr>", "<th>Wert</th>",
                     "<th>&lt;i&gt;x&lt;/i&gt;</th>", "</tr>", "<tr>", "<td>2<sup>1</sup></td>",
                     "<td>x&gt;y</td>", "</tr>", "<tr>", "<td>a&lt;b</td>", "<td>\"q\"</td>",
                     "</tr>", "<tr>", "<td>R&D</td>", "<td></td>", "</tr>", "</table>"}));
}

TEST(TableHtml, EscapingLeavesOnlySupTagsIntact)
{
    struct Case {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"<sup>1</sup>", "<sup>1</sup>"},
        {"<sub>1</sub>", "&lt;sub&gt;1&lt;/sub&gt;"},
        {"<sup", "&lt;sup"},
        {"a <<sup>> b", "a &lt;<sup>&gt; b"},
        {"&amp; 'x'", "&amp; 'x'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EscapeKeepSup(c.text), c.escaped);
    }
}

TEST(TableHtml, WithoutHeaderEveryRowIsDataAndCancelStopsAtTheNextCell)
{
    TTableData table = {{"1", "2"}, {"3", "4"}};
    std::vector<std::pair<int64_t, int64_t>> reports;
    auto progress = [&](const std::string& text, int64_t position, int64_t maximum) {
        EXPECT_EQ(text, "Schreibe Tabelle");
        reports.emplace_back(position, maximum);
        return reports.size() == 3;
    };
    Lines lines;
    EXPECT_FALSE(WriteTableHtml(lines, table, false, progress));
    EXPECT_EQ(reports, (std::vector<std::pair<int64_t, int64_t>>{{0, 4}, {1, 4}, {2, 4}}));
    EXPECT_EQ(lines, (Lines{"<table border=\"1\" rules=\"all\">", "<tr>", "<td>1</td>",
                            "<td>3</td>", "</tr>", "<tr>"}));
}

}  // namespace
}  // namespace qv
