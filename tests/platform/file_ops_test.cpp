// What the disk may hold where the program expects its own files: a leftover
// temporary name that is a link, a FIFO or a device instead of a career
// file, and a second copy of the program on the same career.
#include <gtest/gtest.h>

#include <chrono>

#include "career_fixture.h"
#include "platform/file_ops.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kp {
namespace {

namespace fs = std::filesystem;

bool CreateWith(const fs::path& file, std::string_view bytes) {
    auto out = SystemFileOps().Create(file);
    return out && out->Write(bytes.data(), bytes.size()) && out->Close();
}

class FileOpsOnDisk : public ::testing::Test {
  protected:
    fs::path In(const char* name) const { return folder_.Path() / name; }

    ScratchFolder folder_;
};

// A leftover under the temporary name is replaced by a new file, and
// whatever it was a second name of keeps its content.
TEST_F(FileOpsOnDisk, CreateNeverWritesThroughALeftoverLink) {
    WriteFile(In("patrols.cfg"), "history\r\n");
    fs::create_hard_link(In("patrols.cfg"), In("patrolsold_TMP.cfg"));
    ASSERT_TRUE(CreateWith(In("patrolsold_TMP.cfg"), "new\r\n"));
    EXPECT_EQ(ReadFile(In("patrols.cfg")), "history\r\n");
    EXPECT_EQ(ReadFile(In("patrolsold_TMP.cfg")), "new\r\n");

#ifndef _WIN32
    fs::remove(In("patrolsold_TMP.cfg"));
    fs::create_symlink(In("patrols.cfg"), In("patrolsold_TMP.cfg"));
    ASSERT_TRUE(CreateWith(In("patrolsold_TMP.cfg"), "new\r\n"));
    EXPECT_EQ(ReadFile(In("patrols.cfg")), "history\r\n");
    EXPECT_FALSE(fs::is_symlink(In("patrolsold_TMP.cfg")));

    // A dangling link, and a link to a folder, are taken away as links.
    fs::remove(In("patrolsold_TMP.cfg"));
    fs::create_symlink(In("nowhere"), In("patrolsold_TMP.cfg"));
    EXPECT_TRUE(CreateWith(In("patrolsold_TMP.cfg"), "new\r\n"));
    EXPECT_FALSE(fs::exists(In("nowhere")));
    fs::create_directory(In("kept"));
    fs::remove(In("patrolsold_TMP.cfg"));
    fs::create_directory_symlink(In("kept"), In("patrolsold_TMP.cfg"));
    EXPECT_TRUE(CreateWith(In("patrolsold_TMP.cfg"), "new\r\n"));
    EXPECT_TRUE(fs::is_directory(In("kept")));
#endif

    // A folder under the name cannot be taken away: no file is created.
    fs::create_directory(In("patrols_TMP.cfg"));
    EXPECT_EQ(SystemFileOps().Create(In("patrols_TMP.cfg")), nullptr);
    EXPECT_TRUE(fs::is_directory(In("patrols_TMP.cfg")));
}

#ifndef _WIN32
TEST_F(FileOpsOnDisk, OnlyRegularFilesOpenForReading) {
    ASSERT_EQ(::mkfifo(In("patrols_0.cfg").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SystemFileOps().OpenRead(In("patrols_0.cfg")), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    // Refused as a missing file is, and told so.
    EXPECT_EQ(SystemFileOps().LastOpenFailure().cause, OpenFailureCause::Missing);
    EXPECT_EQ(SystemFileOps().OpenRead("/dev/zero"), nullptr);
    fs::create_symlink("/dev/urandom", In("careers_0.cfg"));
    EXPECT_EQ(SystemFileOps().OpenRead(In("careers_0.cfg")), nullptr);
    // A link to a regular file is read through.
    WriteFile(In("real.cfg"), "x");
    fs::create_symlink(In("real.cfg"), In("patrols.cfg"));
    EXPECT_NE(SystemFileOps().OpenRead(In("patrols.cfg")), nullptr);
    // A file of our own is not read through a link at any step, nor below a
    // file, nor outside its folder.
    fs::create_directory(In("3"));
    WriteFile(In("3") / "save.psc", "x");
    fs::create_directory_symlink(In("3"), In("7"));
    EXPECT_NE(SystemFileOps().OpenOwnFile(folder_.Path(), "3/save.psc"), nullptr);
    for (const fs::path refused :
         {"patrols.cfg", "real.cfg/patrols.cfg", "7/save.psc", "../real.cfg", "/etc/passwd"}) {
        EXPECT_EQ(SystemFileOps().OpenOwnFile(folder_.Path(), refused), nullptr) << refused;
        EXPECT_EQ(SystemFileOps().LastOpenFailure().cause, OpenFailureCause::Missing) << refused;
    }
}
#endif

TEST_F(FileOpsOnDisk, ACareerIsLockedByOneHolderAtATimeByItsLockFile) {
    LockResult first = SystemFileOps().LockFolder(folder_.Path());
    ASSERT_EQ(first.state, LockState::Held);
    EXPECT_EQ(SystemFileOps().LockFolder(folder_.Path()).state, LockState::Busy);
    first.lock.reset();
    LockResult again = SystemFileOps().LockFolder(folder_.Path());
    EXPECT_EQ(again.state, LockState::Held);
    again.lock.reset();
    // The lock file stays, so that every program locks the one file.
    const std::vector<fs::path> left(fs::directory_iterator(folder_.Path()), {});
    EXPECT_EQ(left, std::vector<fs::path>{folder_.Path() / kLockFileName});
}

}  // namespace
}  // namespace kp
