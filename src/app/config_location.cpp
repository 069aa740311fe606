// The config.ini location rules and the quiet load and save of the desktop program.
#include "app/config_location.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "app/config_file.h"
#include "app/dialog_ranges.h"
#include "app/install_layout.h"
#include "data/error.h"

namespace qv {
namespace {

constexpr const char* kConfigName = "config.ini";

std::filesystem::path UserConfigDirectory()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute()) return std::filesystem::path(xdg);
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".config";
    return {};
}

}  // namespace

std::string ConfigFilePath(const std::string& programDirectory)
{
    std::filesystem::path beside = std::filesystem::path(programDirectory) / kConfigName;
    // An installed program's folder belongs to the package manager, even where root may write.
    bool besideAllowed =
        !IsInstalledProgram(programDirectory) && ::access(programDirectory.c_str(), W_OK) == 0;
    if (besideAllowed) return beside.string();
    std::filesystem::path user = UserConfigDirectory();
    if (user.empty()) return beside.string();
    return (user / "quilvane" / kConfigName).string();
}

void LoadConfigIni(TImageSettings& settings, const std::string& programDirectory)
{
    try {
        ReadSettingsFile(settings, ConfigFilePath(programDirectory));
    } catch (const Error&) {
        // A missing or unreadable settings file means the defaults stay.
    }
    // The dialogs are filled from the settings at start-up and hold their values in range.
    ApplyDialogRanges(settings);
}

bool SaveConfigIni(const TImageSettings& settings, const std::string& programDirectory)
{
    std::filesystem::path path = ConfigFilePath(programDirectory);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    try {
        WriteSettingsFile(settings, path.string());
    } catch (const Error&) {
        return false;
    }
    return true;
}

}  // namespace qv
