// HTML tables: escaping, superscripts, progress per cell.
#include "tables/table_html.h"

namespace qv {
namespace {

std::string CellHtml(std::string_view cell)
{
    std::string marked;
    marked.reserve(cell.size());
    for (char c : cell) {
        if (c == kSuperscriptOn)
            marked += "<sup>";
        else if (c == kSuperscriptOff)
            marked += "</sup>";
        else
            marked += c;
    }
    return EscapeKeepSup(marked);
}

}  // namespace

std::string EscapeKeepSup(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        std::string_view rest = text.substr(i);
        if (rest.starts_with("<sup>") || rest.starts_with("</sup>")) {
            size_t length = rest[1] == '/' ? 6 : 5;
            out += rest.substr(0, length);
            i += length - 1;
        } else if (text[i] == '<') {
            out += "&lt;";
        } else if (text[i] == '>') {
            out += "&gt;";
        } else {
            out += text[i];
        }
    }
    return out;
}

bool WriteTableHtml(std::vector<std::string>& lines, const TTableData& table, bool header,
                    const ProgressCallback& progress)
{
    const size_t columns = table.size(), rows = TableRowCount(table);
    const auto maximum = static_cast<int64_t>(columns * rows);
    lines.emplace_back("<table border=\"1\" rules=\"all\">");
    size_t firstRow = 0;
    if (header && rows > 0) {
        lines.emplace_back("<tr>");
        for (const TTableDataCol& column : table)
            lines.push_back("<th>" + EscapeKeepSup(column[0]) + "</th>");
        lines.emplace_back("</tr>");
        firstRow = 1;
    }
    for (size_t r = firstRow; r < rows; ++r) {
        lines.emplace_back("<tr>");
        for (size_t c = 0; c < columns; ++c) {
            auto position = static_cast<int64_t>(c + columns * r);
            if (ReportProgress(progress, kWritingTableText, position, maximum)) return false;
            lines.push_back("<td>" + CellHtml(table[c][r]) + "</td>");
        }
        lines.emplace_back("</tr>");
    }
    lines.emplace_back("</table>");
    return true;
}

std::vector<std::string> HtmlPageStart(bool withDoctype)
{
    std::vector<std::string> lines;
    if (withDoctype) lines.emplace_back("<!DOCTYPE HTML>");
    lines.insert(lines.end(),
                 {"<html>", "<head>",
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
                  "</head>", "<body>"});
    return lines;
}

void AppendHtmlPageEnd(std::vector<std::string>& lines)
{
    lines.insert(lines.end(), {"</body>", "</html>"});
}

}  // namespace qv
