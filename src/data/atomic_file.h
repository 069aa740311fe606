// Writing output files under a temporary name, renamed into place only on success.
#pragma once

#include <string>

namespace qv {

// Move-only: a temporary file beside target; the destructor removes it unless committed,
// so a cancelled or failed run never leaves a partial file behind.
class AtomicFile {
public:
    // Throws Error when no file can be created in the target's directory, and when the target
    // exists but is no regular file: renaming over a device or a pipe would replace it.
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(AtomicFile&& other) noexcept;
    AtomicFile& operator=(AtomicFile&&) = delete;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Where writers put the contents (libraries that want a path write here too).
    const std::string& TempPath() const { return m_temp; }
    const std::string& Target() const { return m_target; }
    // Renames the temporary file to the target, replacing an existing file.
    void Commit();

private:
    std::string m_target;
    std::string m_temp;
    bool m_done = false;
    // Where the temporary file is listed for RemovePendingTempFiles; -1 when it is not.
    int m_pendingSlot = -1;
};

// The whole contents at once.
void WriteFileAtomically(const std::string& target, const std::string& bytes);

// Removes the temporary file of every AtomicFile still alive. Async-signal-safe: a handler of
// a fatal signal calls it so that a killed program leaves no temporary file behind.
void RemovePendingTempFiles() noexcept;

}  // namespace qv
