// Writing a table into a word-processor document.
#pragma once

#include "data/progress.h"
#include "tables/table_data.h"
#include "tables/word_document.h"

namespace qv {

// Appends a table sized to its contents: with a header, bold captions over a bottom border;
// superscript runs raised; all but the last column with a right border. Reports progress
// per cell; false as soon as the callback asks to cancel.
bool WriteTableWord(WordDocument& document, const TTableData& table, bool header,
                    const ProgressCallback& progress = {});

}  // namespace qv
