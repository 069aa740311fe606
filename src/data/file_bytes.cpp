// Whole-file reading through stdio, so the system's reason can be reported.
#include "data/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "data/error.h"

namespace qv {
namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path, int error)
{
    throw Error(CannotOpenMessage(path, error));
}

}  // namespace

std::string CannotOpenMessage(const std::string& path, int error)
{
    return "Datei " + path + " kann nicht geöffnet werden. " + std::strerror(error);
}

std::string ReadFileBytes(const std::string& path)
{
    std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) ThrowCannotOpen(path, errno);
    std::string bytes;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        long size = std::ftell(file.get());
        if (size > 0) bytes.reserve(static_cast<size_t>(size));
        std::rewind(file.get());
    }
    char buffer[1 << 16];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) ThrowCannotOpen(path, errno);
    return bytes;
}

}  // namespace qv
