// Whole-file reading through stdio, so the system's reason can be reported.
#include "data/file_bytes.h"

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "data/error.h"

namespace qv {
namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path, int error)
{
    throw Error(CannotOpenMessage(path, error));
}

}  // namespace

// The message names the full path, so a relative name given on the command line is clear too.
std::string CannotOpenMessage(const std::string& path, int error)
{
    std::error_code failed;
    std::filesystem::path full = std::filesystem::absolute(path, failed).lexically_normal();
    return "Datei " + (failed ? path : full.string()) + " kann nicht geöffnet werden. " +
           std::strerror(error);
}

std::string ReadFileBytes(const std::string& path)
{
    std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) ThrowCannotOpen(path, errno);
    // A directory opens like a file here, and the size it reports is no size to reserve.
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) != 0) ThrowCannotOpen(path, errno);
    if (S_ISDIR(status.st_mode)) ThrowCannotOpen(path, EISDIR);
    std::string bytes;
    if (S_ISREG(status.st_mode) && status.st_size > 0)
        bytes.reserve(static_cast<size_t>(status.st_size));
    char buffer[1 << 16];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) ThrowCannotOpen(path, errno);
    return bytes;
}

}  // namespace qv
