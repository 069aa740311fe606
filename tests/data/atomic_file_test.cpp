// Output files appear whole or not at all.
#include "data/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "data/error.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-atomic-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    size_t FileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }
    fs::path m_dir;
};

TEST_F(AtomicFileTest, CommitReplacesTheTarget)
{
    std::string target = (m_dir / "out.txt").string();
    WriteFileAtomically(target, "old");
    WriteFileAtomically(target, "new");
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, AbandonedWriteLeavesNothing)
{
    std::string target = (m_dir / "out.png").string();
    {
        AtomicFile file(target);
        std::ofstream(file.TempPath()) << "partial";
    }
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(FileCount(), 0u);
}

TEST_F(AtomicFileTest, UnwritableDirectoryFailsWithMessage)
{
    try {
        WriteFileAtomically("/nonexistent/dir/out.txt", "x");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Datei /nonexistent/dir/out.txt kann nicht geschrieben werden. No such file or directory");
    }
}

// Renaming over a device or a pipe would replace it with a plain file (as root even /dev/full).
TEST_F(AtomicFileTest, TargetThatIsNoRegularFileIsRefusedAndKept)
{
    std::string pipe = (m_dir / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& target : {std::string("/dev/full"), std::string("/dev/null"), pipe}) {
        SCOPED_TRACE(target);
        try {
            WriteFileAtomically(target, "x");
            FAIL() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "Datei " + target +
                                                 " kann nicht geschrieben werden. Sie ist keine "
                                                 "gewöhnliche Datei.");
        }
        EXPECT_FALSE(fs::is_regular_file(target));
    }
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFileTest, PendingTempFilesAreRemovedOnRequestAndCommittedOnesStay)
{
    AtomicFile committed((m_dir / "done.txt").string());
    committed.Commit();
    AtomicFile first((m_dir / "a.txt").string());
    AtomicFile source((m_dir / "b.txt").string());
    AtomicFile moved(std::move(source));
    ASSERT_EQ(FileCount(), 3u);
    RemovePendingTempFiles();
    EXPECT_FALSE(fs::exists(first.TempPath()));
    EXPECT_FALSE(fs::exists(moved.TempPath()));
    EXPECT_TRUE(fs::exists(m_dir / "done.txt"));
    EXPECT_EQ(FileCount(), 1u);
}

}  // namespace
}  // namespace qv
