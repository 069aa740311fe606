// The recent-files list of the "Datei öffnen" menu: at most four paths, most recent first.
#pragma once

#include <string>
#include <vector>

namespace qv {

constexpr size_t kMaxRecentFiles = 4;

// Moves an already listed path to the front, or inserts it there and drops the oldest.
void RecordRecentFile(std::vector<std::string>& list, const std::string& path);

// The menu caption: the path itself, or, from 50 characters on, the first
// max(3, 46 - file name length) characters of the directory, "...\" and the file name.
std::string RecentFileCaption(const std::string& path);

}  // namespace qv
