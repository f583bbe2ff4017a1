// A save that fails never leaves a damaged or half-written file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "files/AtomicFile.h"
#include "files/ProgramFile.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

namespace {

const std::string kOldBytes = "the previous good file\r\n";

// prog.zlp holding the previous good file, alone in a scratch folder.
class AtomicFile : public ::testing::Test {
  protected:
    AtomicFile() { testfiles::WriteBytes(path, kOldBytes); }
    void ExpectTheOldFileAlone() const {
        EXPECT_EQ(testfiles::ReadBytes(path), kOldBytes);
        EXPECT_EQ(Entries(), 1);
    }

    long Entries() const {
        return std::distance(std::filesystem::directory_iterator(scratch.Path()), {});
    }

    testfiles::ScratchFolder scratch;
    const std::string path = scratch.File("prog.zlp");
};

// A file size limit, lowered for the save alone, cuts the write short as a full disk does.
TEST_F(AtomicFile, WriteCutShortKeepsTheOldFileAndTheProgramsFileState) {
    model::Program program = testsupport::FullProgram();
    program.PgmChanged = true;
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{16 * 1024, limit.rlim_max};
    const auto handler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = files::SaveProgram(program, path);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, handler);
    EXPECT_EQ(error.rfind("cannot write", 0), 0u) << error;
    EXPECT_TRUE(program.PgmChanged);
    EXPECT_EQ(program.PgmFile, "");
    ExpectTheOldFileAlone();
}

// The temporary file cannot be made where a folder should be: here a file stands there.
TEST_F(AtomicFile, FolderThatTakesNoNewFileIsReportedAndTheOldFileKept) {
    const std::string error = files::WriteFileAtomically(path + "/inner.zlp", "new bytes");
    EXPECT_EQ(error.rfind("cannot create a file in " + path + ": ", 0), 0u) << error;
    ExpectTheOldFileAlone();
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
    EXPECT_EQ(Entries(), 2);
}

}  // namespace
