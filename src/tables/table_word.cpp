// Word tables: grid, cell borders, bold captions, superscript runs.
#include "tables/table_word.h"

#include <algorithm>
#include <vector>

#include "tables/table_cells.h"
#include "tables/table_html.h"

namespace qv {
namespace {

// A generous width of an average character of a 12-point font, in twentieths of a point, and
// room for the cell margins and a bold caption.
constexpr int kTwipsPerCharacter = 150;
constexpr int kCellPadding = 360;

void SetBorder(pugi::xml_node borders, const char* side)
{
    pugi::xml_node border = borders.append_child(side);
    border.append_attribute("w:val") = "single";
    border.append_attribute("w:sz") = 4;
    border.append_attribute("w:space") = 0;
    border.append_attribute("w:color") = "000000";
}

void FillCell(pugi::xml_node cell, const std::string& text, int width, bool bold, bool rightBorder,
              bool bottomBorder)
{
    pugi::xml_node properties = cell.append_child("w:tcPr");
    pugi::xml_node w = properties.append_child("w:tcW");
    w.append_attribute("w:w") = width;
    w.append_attribute("w:type") = "dxa";
    if (rightBorder || bottomBorder) {
        pugi::xml_node borders = properties.append_child("w:tcBorders");
        if (bottomBorder) SetBorder(borders, "w:bottom");
        if (rightBorder) SetBorder(borders, "w:right");
    }
    pugi::xml_node paragraph = cell.append_child("w:p");
    for (const TextRun& run : SuperscriptRuns(text))
        AppendRun(paragraph, run.Text, bold, run.Superscript);
}

int ColumnTwips(const TTableDataCol& column)
{
    size_t longest = 0;
    for (const std::string& cell : column) longest = std::max(longest, LongestLineLength(cell));
    return static_cast<int>(std::min<size_t>(longest, 200)) * kTwipsPerCharacter + kCellPadding;
}

pugi::xml_node StartTable(WordDocument& document, const TTableData& table)
{
    pugi::xml_node tbl = document.AddBodyElement("w:tbl");
    pugi::xml_node properties = tbl.append_child("w:tblPr");
    pugi::xml_node width = properties.append_child("w:tblW");
    width.append_attribute("w:w") = 0;
    width.append_attribute("w:type") = "auto";
    properties.append_child("w:tblLayout").append_attribute("w:type") = "autofit";
    pugi::xml_node grid = tbl.append_child("w:tblGrid");
    for (const TTableDataCol& column : table)
        grid.append_child("w:gridCol").append_attribute("w:w") = ColumnTwips(column);
    return tbl;
}

}  // namespace

bool WriteTableWord(WordDocument& document, const TTableData& table, bool header,
                    const ProgressCallback& progress)
{
    const size_t columns = table.size(), rows = TableRowCount(table);
    pugi::xml_node tbl = StartTable(document, table);
    std::vector<pugi::xml_node> rowNodes;
    for (size_t r = 0; r < rows; ++r) rowNodes.push_back(tbl.append_child("w:tr"));
    if (header && rows > 0) rowNodes[0].append_child("w:trPr").append_child("w:tblHeader");
    const auto maximum = static_cast<int64_t>(columns * rows);
    for (size_t c = 0; c < columns; ++c) {
        int width = ColumnTwips(table[c]);
        bool rightBorder = c + 1 < columns;
        for (size_t r = 0; r < rows; ++r) {
            bool caption = header && r == 0;
            auto position = static_cast<int64_t>(c * rows + r);
            if (!caption && ReportProgress(progress, kWritingTableText, position, maximum))
                return false;
            FillCell(rowNodes[r].append_child("w:tc"), table[c][r], width, caption, rightBorder,
                     caption);
        }
    }
    // A table is followed by a paragraph, as word processors expect.
    document.AddParagraph("");
    return true;
}

}  // namespace qv
