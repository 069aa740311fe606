// The installed layout against the build folder.
#include "app/install_layout.h"

#include <filesystem>

namespace qv {
namespace {

namespace fs = std::filesystem;

// Normalised without a trailing separator, so "/usr/bin/" and "/usr/bin/." name /usr/bin.
fs::path ProgramFolder(const std::string& programDirectory)
{
    fs::path folder = fs::path(programDirectory).lexically_normal();
    return folder.filename().empty() ? folder.parent_path() : folder;
}

fs::path SharedFolder(const std::string& programDirectory)
{
    return ProgramFolder(programDirectory).parent_path() / "share";
}

}  // namespace

bool IsInstalledProgram(const std::string& programDirectory)
{
    std::error_code ignored;
    return ProgramFolder(programDirectory).filename() == "bin" &&
           fs::is_directory(SharedFolder(programDirectory) / "quilvane", ignored);
}

std::string DataDirectory(const std::string& programDirectory)
{
    if (!IsInstalledProgram(programDirectory)) return programDirectory;
    return (SharedFolder(programDirectory) / "quilvane").string();
}

std::string IconDirectory(const std::string& programDirectory)
{
    if (!IsInstalledProgram(programDirectory))
        return (fs::path(programDirectory) / "icons").string();
    return (SharedFolder(programDirectory) / "icons").string();
}

}  // namespace qv
