// Spreadsheets read back: number and text cells, superscripts, bold header, borders, pane.
#include "tables/table_excel.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "ooxml_reader.h"

namespace qv {
namespace {

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() /
            ("qv-excel-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

TEST(TableExcel, ColumnNames)
{
    struct Case {
        int64_t column;
        const char* name;
    } cases[] = {{0, "A"},   {25, "Z"},   {26, "AA"},   {27, "AB"},
                 {52, "BA"}, {701, "ZZ"}, {702, "AAA"}, {16383, "XFD"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(ExcelColumnName(c.column), c.name);
    }
}

TEST(TableExcel, HeadedTableHasNumbersTextsAndAFrozenBoldHeader)
{
    TTableData table = {{"Wert", "0.25", "3/8",
                         "2\x0E"
                         "1\x0F"
                         "4\x0E"
                         "2\x0F",
                         "-7"},
                        {"Name", "Müller", "",
                         "\x0E"
                         "x\x0F",
                         "a\r\nb"}};
    std::string path = TempPath("headed.xlsx");
    {
        XlsxWorkbook workbook(path);
        ASSERT_TRUE(WriteTableExcel(workbook, workbook.AddWorksheet(), table, 0, 0, true));
        workbook.Save();
    }
    test::Sheet sheet(path, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(sheet.Text("A1"), "Wert");
    EXPECT_TRUE(sheet.Bold("A1") && sheet.Bold("B1"));
    EXPECT_EQ(sheet.Border("A1", "bottom"), "thin");
    EXPECT_EQ(sheet.Border("A1", "right"), "thin");
    EXPECT_EQ(sheet.Border("B1", "right"), "");
    EXPECT_TRUE(sheet.IsNumber("A2"));
    EXPECT_DOUBLE_EQ(sheet.Cell("A2").child("v").text().as_double(), 0.25);
    EXPECT_FALSE(sheet.Bold("A2"));
    EXPECT_EQ(sheet.Xf("A2").attribute("numFmtId").as_int(), 0);  // general
    EXPECT_EQ(sheet.Text("A3"), "3/8");
    EXPECT_EQ(sheet.Text("A4"), "2^(1)4^(2)");
    EXPECT_TRUE(sheet.IsNumber("A5"));
    EXPECT_EQ(sheet.Text("B2"), "Müller");
    EXPECT_EQ(sheet.Border("B2", "right"), "");
    EXPECT_EQ(sheet.Border("A3", "right"), "thin");
    EXPECT_EQ(std::string(sheet.Xf("B2").child("alignment").attribute("horizontal").value()),
              "left");
    EXPECT_EQ(sheet.Text("B5"), "a\nb");
    pugi::xml_node pane = sheet.Xml().select_node("//pane").node();
    EXPECT_EQ(std::string(pane.attribute("state").value()), "frozen");
    EXPECT_EQ(pane.attribute("ySplit").as_int(), 1);
    EXPECT_FALSE(pane.attribute("xSplit"));
    // Columns are as wide as their longest text.
    pugi::xml_node cols = sheet.Xml().child("worksheet").child("cols");
    EXPECT_GT(cols.first_child().attribute("width").as_double(), 4);
    std::filesystem::remove(path);
}

TEST(TableExcel, IntegersOfMoreThanFifteenDigitsKeepEveryDigitAsText)
{
    // A spreadsheet keeps 15 significant digits of a number.
    struct Case {
        const char* cell;
        bool number;
    } cases[] = {
        {"9260546608070656", false},
        {"-1152921504606846976", false},
        {"1152921504606846976", false},
        {"0000000000000012", false},
        {"123456789012345", true},
        {"-123456789012345", true},
        {"1e20", true},
        {"0.25", true},
    };
    TTableData table(1, TTableDataCol{"Kekule"});
    for (const Case& c : cases) table[0].push_back(c.cell);
    std::string path = TempPath("long.xlsx");
    {
        XlsxWorkbook workbook(path);
        ASSERT_TRUE(WriteTableExcel(workbook, workbook.AddWorksheet(), table, 0, 0, true));
        workbook.Save();
    }
    test::Sheet sheet(path, "xl/worksheets/sheet1.xml");
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].cell);
        std::string ref = "A" + std::to_string(i + 2);
        EXPECT_EQ(sheet.IsNumber(ref), cases[i].number);
        if (!cases[i].number) {
            EXPECT_EQ(sheet.Text(ref), cases[i].cell);
        }
    }
    std::filesystem::remove(path);
}

TEST(TableExcel, UnheadedTableIsTextFromItsOffset)
{
    TTableData table = {{"12", "Berg"}, {"14", "Tal"}};
    std::string path = TempPath("plain.xlsx");
    {
        XlsxWorkbook workbook(path);
        ASSERT_TRUE(WriteTableExcel(workbook, workbook.AddWorksheet("Liste"), table, 0, 2, false));
        workbook.Save();
    }
    test::Sheet sheet(path, "xl/worksheets/sheet1.xml");
    EXPECT_FALSE(sheet.Cell("A1"));
    EXPECT_EQ(sheet.Text("C1"), "12");
    EXPECT_EQ(sheet.Text("D2"), "Tal");
    EXPECT_EQ(sheet.Xf("C1").attribute("numFmtId").as_int(), 49);  // "@"
    EXPECT_FALSE(sheet.Bold("C1"));
    EXPECT_EQ(sheet.Border("C2", "right"), "thin");
    EXPECT_FALSE(sheet.Xml().select_node("//pane"));
    std::filesystem::remove(path);
}

TEST(TableExcel, CancelLeavesNoFile)
{
    std::string path = TempPath("cancelled.xlsx");
    {
        XlsxWorkbook workbook(path);
        auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
        EXPECT_FALSE(
            WriteTableExcel(workbook, workbook.AddWorksheet(), {{"a", "b"}}, 0, 0, true, cancel));
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace qv
