// The text export, against reference listings. Writing it is the whole-file write's, and the
// window's Export test sees that it reaches the file.
#include <gtest/gtest.h>

#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"

namespace {

TEST(TextExport, SampleProgramMatchesTheReferenceListing) {
    model::Program program;
    ASSERT_TRUE(files::ReadProgramText(program, testfiles::DataFile("sample.zlp")).Complete);
    EXPECT_EQ(files::ExportText(program), testfiles::DataFile("sample.txt"));
}

// The reference listing's lines have one and two digits.
TEST(TextExport, ThreeDigitLineNumbersEndInTheSameColumn) {
    model::Program program;
    model::MakeNewProgram(program);
    for (int r = 0; r < 199; ++r)
        program.PgmData[r].Code = {9, 0, 1, 0};
    const std::string text = files::ExportText(program);
    EXPECT_NE(text.find("\r\n  100          Wait 1.00 Second\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n  200          End Page\r\n"), std::string::npos);
}

}  // namespace
