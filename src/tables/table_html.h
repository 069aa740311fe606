// Writing a table as HTML lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/progress.h"
#include "tables/table_data.h"

namespace qv {

constexpr const char* kWritingTableText = "Schreibe Tabelle";

// Writes every "<" and ">" as "&lt;" and "&gt;" except those of "<sup>" and "</sup>";
// "&" and quotes stay as they are.
std::string EscapeKeepSup(std::string_view text);

// Appends the lines of an HTML table (with a header row of <th> captions when header is set,
// one line per cell, superscript markers as <sup>); reports progress before each cell and
// returns false, leaving the lines unfinished, as soon as the callback asks to cancel.
bool WriteTableHtml(std::vector<std::string>& lines, const TTableData& table, bool header,
                    const ProgressCallback& progress = {});

// The lines of an HTML page around some body lines (UTF-8, as the file is written).
std::vector<std::string> HtmlPageStart(bool withDoctype);
void AppendHtmlPageEnd(std::vector<std::string>& lines);

}  // namespace qv
