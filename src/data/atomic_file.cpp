// Temporary-file-and-rename writing.
#include "data/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "data/error.h"

namespace qv {
namespace {

[[noreturn]] void ThrowCannotWrite(const std::string& path, int error)
{
    throw Error("Datei " + path + " kann nicht geschrieben werden. " + std::strerror(error));
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : m_target(std::move(target))
{
    std::filesystem::path path(m_target);
    std::filesystem::path hidden = path.parent_path() / ".";
    hidden += path.filename();
    hidden += ".XXXXXX";
    std::string pattern = hidden.string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) ThrowCannotWrite(m_target, errno);
    ::close(fd);
    m_temp = pattern;
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : m_target(std::move(other.m_target)), m_temp(std::move(other.m_temp)), m_done(other.m_done)
{
    other.m_done = true;
}

AtomicFile::~AtomicFile()
{
    if (!m_done) std::remove(m_temp.c_str());
}

void AtomicFile::Commit()
{
    // mkstemp creates the file for the owner only; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(m_temp.c_str(), 0666 & ~mask);
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0) ThrowCannotWrite(m_target, errno);
    m_done = true;
}

void WriteFileAtomically(const std::string& target, const std::string& bytes)
{
    AtomicFile file(target);
    FILE* out = std::fopen(file.TempPath().c_str(), "wb");
    if (!out) ThrowCannotWrite(target, errno);
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    int error = errno;
    ok = (std::fclose(out) == 0) && ok;
    if (!ok) ThrowCannotWrite(target, error ? error : EIO);
    file.Commit();
}

}  // namespace qv
