// Temporary-file-and-rename writing.
#include "data/atomic_file.h"

#include <atomic>
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

// The temporary files a signal handler has to remove. Fixed slots, since a handler may not
// allocate; a file beyond the last slot is only removed by its destructor.
struct PendingSlot {
    std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a path
    char path[4096];
};
constexpr int kPendingSlots = 32;
PendingSlot g_pending[kPendingSlots];

int AddPending(const std::string& path)
{
    if (path.size() >= sizeof g_pending[0].path) return -1;
    for (int i = 0; i < kPendingSlots; ++i) {
        int expected = 0;
        if (!g_pending[i].state.compare_exchange_strong(expected, 1)) continue;
        std::memcpy(g_pending[i].path, path.c_str(), path.size() + 1);
        g_pending[i].state.store(2);
        return i;
    }
    return -1;
}

void DropPending(int slot)
{
    if (slot >= 0) g_pending[slot].state.store(0);
}

void RequireRegularOrMissing(const std::string& target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        throw Error("Datei " + target +
                    " kann nicht geschrieben werden. Sie ist keine gewöhnliche Datei.");
}

}  // namespace

void RemovePendingTempFiles() noexcept
{
    for (PendingSlot& slot : g_pending)
        if (slot.state.load() == 2) ::unlink(slot.path);
}

AtomicFile::AtomicFile(std::string target) : m_target(std::move(target))
{
    RequireRegularOrMissing(m_target);
    std::filesystem::path path(m_target);
    std::filesystem::path hidden = path.parent_path() / ".";
    hidden += path.filename();
    hidden += ".XXXXXX";
    std::string pattern = hidden.string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) ThrowCannotWrite(m_target, errno);
    ::close(fd);
    m_temp = pattern;
    m_pendingSlot = AddPending(m_temp);
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : m_target(std::move(other.m_target)),
      m_temp(std::move(other.m_temp)),
      m_done(other.m_done),
      m_pendingSlot(other.m_pendingSlot)
{
    other.m_done = true;
    other.m_pendingSlot = -1;
}

AtomicFile::~AtomicFile()
{
    if (!m_done) std::remove(m_temp.c_str());
    DropPending(m_pendingSlot);
}

void AtomicFile::Commit()
{
    // mkstemp creates the file for the owner only; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(m_temp.c_str(), 0666 & ~mask);
    RequireRegularOrMissing(m_target);
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0) ThrowCannotWrite(m_target, errno);
    m_done = true;
    DropPending(m_pendingSlot);
    m_pendingSlot = -1;
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
