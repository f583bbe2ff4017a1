// A save that fails never leaves a damaged or half-written file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/AtomicFile.h"
#include "files/ProgramFile.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

namespace {

const std::string kOldBytes = "the previous good file\r\n";

// A program whose file is far larger than the few kilobytes the tests leave room for.
model::Program LargeProgram() {
    return testsupport::FullProgram();
}

// A tmpfs of `size` mounted on a folder; mounting needs privileges a test run may not have.
class SmallDisk {
  public:
    SmallDisk(const std::string& folder, const char* options)
        : folder_(folder), mounted_(mount("zolt-test", folder.c_str(), "tmpfs", 0, options) == 0) {}
    ~SmallDisk() {
        if (mounted_)
            umount(folder_.c_str());
    }
    bool Mounted() const { return mounted_; }

  private:
    std::string folder_;
    bool mounted_;
};

TEST(AtomicFile, FullDiskKeepsTheOldFileAndLeavesNoTemporaryFile) {
    testfiles::ScratchFolder scratch;
    SmallDisk disk(scratch.Path(), "size=16k");
    if (!disk.Mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const std::string path = scratch.File("prog.zlp");
    testfiles::WriteBytes(path, kOldBytes);
    model::Program program = LargeProgram();
    program.PgmChanged = true;

    const std::string error = files::SaveProgram(program, path);
    EXPECT_NE(error, "");
    EXPECT_EQ(testfiles::ReadBytes(path), kOldBytes);
    EXPECT_EQ(scratch.Listing(), "prog.zlp ");
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(program.PgmFile, "");
}

TEST(AtomicFile, FileSizeLimitKeepsTheOldFile) {
    testfiles::ScratchFolder scratch;
    const std::string path = scratch.File("prog.zlp");
    testfiles::WriteBytes(path, kOldBytes);
    // The limit is set in a child, so that the test process itself can go on writing.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        model::Program program = LargeProgram();
        _exit(files::SaveProgram(program, path).empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the save must report the failure";
    EXPECT_EQ(testfiles::ReadBytes(path), kOldBytes);
    EXPECT_EQ(scratch.Listing(), "prog.zlp ");
}

TEST(AtomicFile, FolderThatRefusesWritesReportsTheErrorAndKeepsTheOldFile) {
    testfiles::ScratchFolder scratch;
    const std::string path = scratch.File("prog.zlp");
    testfiles::WriteBytes(path, kOldBytes);
    // Root ignores permission bits, so a read-only mount stands in for a locked folder.
    SmallDisk disk(scratch.Path(), "size=64k");
    if (disk.Mounted()) {
        testfiles::WriteBytes(path, kOldBytes);
        ASSERT_EQ(mount(nullptr, scratch.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
                  0);
    } else if (geteuid() != 0) {
        chmod(scratch.Path().c_str(), 0555);
    } else {
        GTEST_SKIP() << "running as root without the right to mount: no folder refuses writes";
    }
    model::Program program;
    model::MakeNewProgram(program);
    const std::string error = files::SaveProgram(program, path);
    EXPECT_NE(error.find("cannot create a file in " + scratch.Path()), std::string::npos) << error;
    EXPECT_EQ(testfiles::ReadBytes(path), kOldBytes);
    EXPECT_EQ(scratch.Listing(), "prog.zlp ");
    if (!disk.Mounted())
        chmod(scratch.Path().c_str(), 0755);
}

TEST(AtomicFile, ReplacesTheTargetOfALinkAndKeepsItsPermissions) {
    testfiles::ScratchFolder scratch;
    const std::string real = scratch.File("real.zlp");
    const std::string link = scratch.File("link.zlp");
    testfiles::WriteBytes(real, kOldBytes);
    chmod(real.c_str(), 0640);
    ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
    ASSERT_EQ(files::WriteFileAtomically(link, "new bytes"), "");
    EXPECT_EQ(testfiles::ReadBytes(real), "new bytes");
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(scratch.Listing(), "link.zlp real.zlp ");
}

}  // namespace
