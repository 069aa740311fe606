// Writing a metric table as the file its name asks for: HTML page, spreadsheet or document.
#pragma once

#include <string>

#include "data/progress.h"
#include "tables/table_data.h"

namespace qv {

// By the extension, in any case: ".html"/".htm" (a page with the table; withDoctype puts
// "<!DOCTYPE HTML>" first), ".xlsx", ".docx"; the table has a header row. Returns false when
// the callback cancelled (no file is written then); throws Error for another extension or
// when the file cannot be written.
bool WriteTableFile(const TTableData& table, const std::string& path, bool withDoctype,
                    const ProgressCallback& progress = {});

}  // namespace qv
