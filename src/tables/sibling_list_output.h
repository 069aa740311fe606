// The sibling list as a file: text, HTML page, spreadsheet or word-processor document.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/output_counts.h"
#include "data/ahnen_data.h"
#include "data/progress.h"
#include "data/sibling_groups.h"
#include "tables/table_data.h"

namespace qv {

// One column per group: the members' numbers in the first M rows and their surnames in the
// next M (M = the largest group); cells beyond a group's size stay empty. No header row.
TTableData SiblingGroupTable(const TAhnenData& data, const std::vector<SiblingGroup>& list);

// Writes the sibling list of proband by the file's extension (.txt, .html, .htm, .xlsx,
// .docx, in any case). Returns the sibling pairs and the persons in them, nothing when the
// progress callback cancelled (no file is written then); throws Error for another extension,
// for a proband who is his own ancestor or when the file cannot be written. depthCut, when
// given, tells whether ancestors beyond the 62nd generation were left out.
std::optional<OutputCounts> WriteSiblingList(const TAhnenData& data, int64_t proband,
                                             const std::string& path,
                                             const ProgressCallback& progress = {},
                                             bool* depthCut = nullptr);

}  // namespace qv
