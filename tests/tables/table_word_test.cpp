// Word documents read back: the table's cells, bold captions, superscripts and borders.
#include "tables/table_word.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "ooxml_reader.h"

namespace qv {
namespace {

std::string CellText(pugi::xml_node cell)
{
    std::string text;
    for (pugi::xpath_node run : cell.select_nodes(".//w:r")) {
        bool raised = run.node().select_node("w:rPr/w:vertAlign[@w:val='superscript']");
        std::string t;
        for (pugi::xml_node part : run.node().children()) {
            if (std::string(part.name()) == "w:t") t += part.text().get();
            if (std::string(part.name()) == "w:br") t += "|";
        }
        text += raised ? "^(" + t + ")" : t;
    }
    return text;
}

TEST(TableWord, TableCellsCaptionsSuperscriptsAndBorders)
{
    TTableData table = {{"Wert",
                         "2\x0E"
                         "1\x0F",
                         "a<b & c"},
                        {"Name", "Müller", "x\r\ny\x01"}};
    std::string path = (std::filesystem::temp_directory_path() /
                        ("qv-word-" + std::to_string(::getpid()) + ".docx"))
                           .string();
    WordDocument document;
    ASSERT_TRUE(WriteTableWord(document, table, true));
    document.Save(path);

    pugi::xml_document xml = test::XmlPart(path, "word/document.xml");
    auto rows = xml.select_nodes("//w:tbl/w:tr");
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::vector<std::string>> texts;
    for (pugi::xpath_node row : rows) {
        texts.emplace_back();
        for (pugi::xml_node cell : row.node().children("w:tc"))
            texts.back().push_back(CellText(cell));
    }
    EXPECT_EQ(texts, (std::vector<std::vector<std::string>>{
                         {"Wert", "Name"}, {"2^(1)", "Müller"}, {"a<b & c", "x|y"}}));
    pugi::xml_node header = rows[0].node();
    EXPECT_TRUE(header.select_node("w:trPr/w:tblHeader"));
    EXPECT_TRUE(header.select_node("w:tc[1]//w:rPr/w:b"));
    EXPECT_TRUE(header.select_node("w:tc[1]/w:tcPr/w:tcBorders/w:bottom[@w:val='single']"));
    EXPECT_TRUE(header.select_node("w:tc[1]/w:tcPr/w:tcBorders/w:right[@w:val='single']"));
    EXPECT_FALSE(header.select_node("w:tc[2]/w:tcPr/w:tcBorders/w:right"));
    pugi::xml_node data = rows[1].node();
    EXPECT_FALSE(data.select_node(".//w:b"));
    EXPECT_TRUE(data.select_node("w:tc[1]/w:tcPr/w:tcBorders/w:right"));
    EXPECT_FALSE(data.select_node("w:tc[1]/w:tcPr/w:tcBorders/w:bottom"));
    EXPECT_EQ(xml.select_nodes("//w:tblGrid/w:gridCol").size(), 2u);
    EXPECT_FALSE(test::ZipEntry(path, "[Content_Types].xml").empty());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace qv
