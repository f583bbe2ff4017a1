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
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

namespace {

const std::string kOldBytes = "the previous good file\r\n";

// A small tmpfs mounted on a folder; mounting needs privileges a test run may not have.
class SmallDisk {
  public:
    explicit SmallDisk(const std::string& folder)
        : folder_(folder),
          mounted_(mount("zolt-test", folder.c_str(), "tmpfs", 0, "size=64k") == 0) {}
    ~SmallDisk() {
        if (mounted_)
            umount(folder_.c_str());
    }
    bool Mounted() const { return mounted_; }

  private:
    std::string folder_;
    bool mounted_;
};

// prog.zlp holding the previous good file, alone in a scratch folder.
class AtomicFile : public ::testing::Test {
  protected:
    AtomicFile() { testfiles::WriteBytes(path, kOldBytes); }
    void ExpectTheOldFileAlone() const {
        EXPECT_EQ(testfiles::ReadBytes(path), kOldBytes);
        EXPECT_EQ(scratch.Listing(), "prog.zlp ");
    }

    testfiles::ScratchFolder scratch;
    const std::string path = scratch.File("prog.zlp");
};

// A full disk and a file size limit both cut the write short.
TEST_F(AtomicFile, WriteCutShortKeepsTheOldFileAndTheProgramsFileState) {
    // The limit is set in a child, so that the test process itself can go on writing.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        model::Program program = testsupport::FullProgram();
        program.PgmChanged = true;
        const bool reported = !files::SaveProgram(program, path).empty();
        _exit(reported && program.PgmChanged && program.PgmFile.empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1)
        << "the save must report the failure and leave PgmChanged and PgmFile alone";
    ExpectTheOldFileAlone();
}

TEST_F(AtomicFile, FolderThatRefusesWritesReportsTheErrorAndKeepsTheOldFile) {
    // Root ignores permission bits, so a read-only mount stands in for a locked folder.
    SmallDisk disk(scratch.Path());
    if (disk.Mounted()) {
        testfiles::WriteBytes(path, kOldBytes);
        ASSERT_EQ(mount(nullptr, scratch.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
                  0);
    } else if (geteuid() != 0) {
        chmod(scratch.Path().c_str(), 0555);
    } else {
        GTEST_SKIP() << "running as root without the right to mount: no folder refuses writes";
    }
    const std::string error = files::WriteFileAtomically(path, "new bytes");
    EXPECT_EQ(error.rfind("cannot create a file in " + scratch.Path(), 0), 0u) << error;
    ExpectTheOldFileAlone();
    if (!disk.Mounted())
        chmod(scratch.Path().c_str(), 0755);
}

TEST_F(AtomicFile, ReplacesTheTargetOfALinkAndKeepsItsPermissions) {
    const std::string link = scratch.File("link.zlp");
    chmod(path.c_str(), 0640);
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(files::WriteFileAtomically(link, "new bytes"), "");
    EXPECT_EQ(testfiles::ReadBytes(path), "new bytes");
    struct stat info;
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(scratch.Listing(), "link.zlp prog.zlp ");
}

}  // namespace
