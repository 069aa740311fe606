// Where config.ini lives, and loading and saving it the way the desktop program does.
#pragma once

#include <string>

#include "app/image_settings.h"

namespace qv {

// Beside the executable when that directory is writable and not an installed bin folder, else
// $XDG_CONFIG_HOME/quilvane/config.ini (by default ~/.config/quilvane/config.ini).
std::string ConfigFilePath(const std::string& programDirectory);

// At start-up: a missing or unreadable file leaves the settings as they are; values outside
// the dialogs' ranges are clamped (ApplyDialogRanges).
void LoadConfigIni(TImageSettings& settings, const std::string& programDirectory);
// At shut-down: creates the per-user directory when needed; false when writing failed
// (the program goes on regardless).
bool SaveConfigIni(const TImageSettings& settings, const std::string& programDirectory);

}  // namespace qv
