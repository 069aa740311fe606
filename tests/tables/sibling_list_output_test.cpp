// The sibling list as files: the table layout, the HTML page, counters and refusals.
#include "tables/sibling_list_output.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "data/error.h"
#include "data/example_family.h"
#include "data/sibling_list_reader.h"
#include "ooxml_reader.h"

namespace qv {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::filesystem::path TempDirectory()
{
    auto dir =
        std::filesystem::temp_directory_path() / ("qv-siblings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(SiblingListOutput, GroupTableHasNumbersAboveNames)
{
    TAhnenData data(4, 0);
    data.Persons[1].Surname = "Berg";
    data.Persons[2].Surname = "Tal";
    data.Persons[3].Surname = "See";
    TTableData table = SiblingGroupTable(data, {{{12, 1}, {14, 2}, {26, 3}}, {{40, 3}, {42, 2}}});
    EXPECT_EQ(table, (TTableData{{"12", "14", "26", "Berg", "Tal", "See"},
                                 {"40", "42", "", "See", "Tal", ""}}));
}

TEST(SiblingListOutput, ExampleFamilyAsHtmlPageAndText)
{
    TAhnenData data = LoadExampleFamily(".");
    int64_t proband = data.FindPerson("I19");
    auto dir = TempDirectory();
    std::optional<OutputCounts> counts =
        WriteSiblingList(data, proband, (dir / "liste.HTML").string());
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->siblingPairs, 1);
    EXPECT_EQ(counts->persons, 2);
    EXPECT_EQ(ReadAll(dir / "liste.HTML"),
              "<!DOCTYPE HTML>\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" "
              "content=\"text/html; charset=utf-8\">\r\n</head>\r\n<body>\r\n"
              "<h3>Vollgeschwister</h3>\r\n<table border=\"1\" rules=\"all\">\r\n"
              "<tr>\r\n<td>5</td>\r\n</tr>\r\n<tr>\r\n<td>7</td>\r\n</tr>\r\n"
              "<tr>\r\n<td>Schäfer</td>\r\n</tr>\r\n<tr>\r\n<td>Schäfer</td>\r\n</tr>\r\n"
              "</table>\r\n</body>\r\n</html>\r\n");
    ASSERT_TRUE(WriteSiblingList(data, proband, (dir / "liste.txt").string()));
    EXPECT_EQ(ReadAll(dir / "liste.txt"),
              "Vollgeschwister\r\n\r\n5 7 /Sch\xE4"
              "fer/Sch\xE4"
              "fer/\r\n\r\n"
              "Einzelpersonen\r\n\r\n1 /M\xFCller/\r\n");
    std::filesystem::remove_all(dir);
}

TEST(SiblingListOutput, SpreadsheetHasOneSheetPerListAndDocumentHeadings)
{
    TAhnenData data = LoadExampleFamily(".");
    int64_t proband = data.FindPerson("I19");
    auto dir = TempDirectory();
    std::string xlsx = (dir / "liste.xlsx").string(), docx = (dir / "liste.docx").string();
    ASSERT_TRUE(WriteSiblingList(data, proband, xlsx));
    ASSERT_TRUE(WriteSiblingList(data, proband, docx));

    pugi::xml_document workbook = test::XmlPart(xlsx, "xl/workbook.xml");
    std::vector<std::string> names;
    for (pugi::xml_node sheet : workbook.child("workbook").child("sheets").children("sheet"))
        names.push_back(sheet.attribute("name").value());
    EXPECT_EQ(names, (std::vector<std::string>{"Vollgeschwister", "Halbgeschwister - Vater",
                                               "Halbgeschwister - Mutter"}));
    test::Sheet full(xlsx, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(full.Text("A1"), "Vollgeschwister");
    EXPECT_TRUE(full.Bold("A1"));
    EXPECT_EQ(full.Text("C1"), "5");
    EXPECT_EQ(full.Text("C4"), "Schäfer");
    EXPECT_FALSE(full.Cell("D1"));
    pugi::xml_document empty = test::XmlPart(xlsx, "xl/worksheets/sheet2.xml");
    EXPECT_FALSE(empty.select_node("//c"));

    pugi::xml_document document = test::XmlPart(docx, "word/document.xml");
    pugi::xml_node heading = document.select_node("//w:body/w:p[1]").node();
    EXPECT_EQ(std::string(heading.select_node(".//w:t").node().text().get()), "Vollgeschwister");
    EXPECT_TRUE(heading.select_node(".//w:rPr/w:b"));
    EXPECT_EQ(heading.select_node(".//w:rPr/w:sz").node().attribute("w:val").as_int(), 28);
    EXPECT_EQ(document.select_nodes("//w:tbl").size(), 1u);
    EXPECT_EQ(document.select_nodes("//w:tbl/w:tr").size(), 4u);
    std::filesystem::remove_all(dir);
}

TEST(SiblingListOutput, TextFileKeepsNamesOutsideWindows1252AndReadsBack)
{
    TAhnenData data = LoadExampleFamily(".");
    int64_t proband = data.FindPerson("I19");
    for (TPerson& p : data.Persons)
        if (p.Surname == "Schäfer") p.Surname = "Łódź";
    auto dir = TempDirectory();
    const std::string path = (dir / "liste.txt").string();
    bool depthCut = true;
    ASSERT_TRUE(WriteSiblingList(data, proband, path, {}, &depthCut));
    EXPECT_FALSE(depthCut);
    EXPECT_TRUE(ReadAll(path).starts_with("\xEF\xBB\xBFVollgeschwister\r\n\r\n5 7 /Łódź/Łódź/"));
    TAhnenData read = ReadSiblingListFile(path);
    EXPECT_EQ(read.Persons[read.FindPerson("I5")].Surname, "Łódź");
    std::filesystem::remove_all(dir);
}

TEST(SiblingListOutput, CyclicAncestryIsRefusedWithoutAFile)
{
    // I1's father is I2, whose father is I1.
    TAhnenData data(2, 2);
    data.Persons[0].Id = "I1";
    data.Persons[1].Id = "I2";
    data.Persons[0].ParentFamily = 0;
    data.Persons[1].ParentFamily = 1;
    data.Families[0].Husband = 1;
    data.Families[1].Husband = 0;
    data.LinkFamilies();
    auto dir = TempDirectory();
    for (const char* name : {"a.txt", "a.html", "a.xlsx", "a.docx"}) {
        SCOPED_TRACE(name);
        try {
            WriteSiblingList(data, 0, (dir / name).string());
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Zirkelbezug in der Abstammung: I1 (?, ?) ist eigener Vorfahre.");
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    std::filesystem::remove_all(dir);
}

TEST(SiblingListOutput, CancelledOrUnknownFormatsWriteNothing)
{
    TAhnenData data = LoadExampleFamily(".");
    auto dir = TempDirectory();
    auto cancel = [](const std::string&, int64_t, int64_t) { return true; };
    for (const char* name : {"a.html", "a.xlsx", "a.docx"}) {
        EXPECT_FALSE(WriteSiblingList(data, 18, (dir / name).string(), cancel));
        EXPECT_FALSE(std::filesystem::exists(dir / name));
    }
    std::string rtf = (dir / "a.rtf").string();
    try {
        WriteSiblingList(data, 18, rtf);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Die Verschwisterungsliste kann nicht als " + rtf +
                                             " geschrieben werden: unbekanntes Dateiformat "
                                             "(.txt, .html, .htm, .xlsx, .docx).");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace qv
