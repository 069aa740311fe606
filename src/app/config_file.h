// config.ini: the settings as lines of text, and reading them back.
#pragma once

#include <string>
#include <vector>

#include "app/image_settings.h"

namespace qv {

// Applies config.ini lines to settings (every template and comment list starts empty). The
// first damaged line (a bad number, a value out of range, a table line beyond the declared
// column count) ends reading silently: what came before stays, the rest is ignored.
void ReadSettingsLines(TImageSettings& settings, const std::vector<std::string>& lines);

// The lines config.ini holds, in key order: "KEY = value" scalars, "KEY=text" list elements,
// and the two table blocks after their column counts.
std::vector<std::string> SettingsLines(const TImageSettings& settings);

// Reads a file (lines split at any line end, a UTF-8 byte-order mark skipped); throws Error
// when it cannot be opened.
void ReadSettingsFile(TImageSettings& settings, const std::string& path);
// Writes the lines with CR LF through a temporary file; throws Error when that fails.
void WriteSettingsFile(const TImageSettings& settings, const std::string& path);

}  // namespace qv
