// Reading every generation of program file, writing the current one, and round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "files/ProgramFile.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

namespace {

using testfiles::DataFile;

model::Program NewProgram() {
    model::Program program;
    model::MakeNewProgram(program);
    return program;
}

// A program that differs from sample.zlp in every table, to see what a read replaces.
model::Program PreviousProgram() {
    std::mt19937 rng(7);
    return testsupport::RandomProgram(rng);
}

TEST(ProgramFileWriter, NewProgramMatchesTheReferenceFileByteForByte) {
    const std::string text = files::ProgramFileText(NewProgram());
    EXPECT_EQ(text, DataFile("new.zlp"));
    std::size_t lines = 0;
    for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2)
        ++lines;
    EXPECT_EQ(lines, 2123u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF anywhere
}

TEST(ProgramFileReader, CurrentGenerationReadsEverything) {
    model::Program program = PreviousProgram();
    program.PgmChanged = true;
    const files::LoadReport report = files::ReadProgramText(program, DataFile("sample.zlp"));
    EXPECT_TRUE(report.Complete);
    EXPECT_TRUE(program.LoadOK);
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(program.FileVersion, "2.2.1");
    EXPECT_EQ(program.PageName[0], "Main sequence");
    EXPECT_EQ(program.PgmData[8].Code, (std::array<int16_t, 4>{36, 0x33, 232, 4}));
    EXPECT_EQ(program.PgmData[8].Comment,
              "Caf\xE9 \xFC"
              "ber \x80 price");
    EXPECT_EQ(program.IOName[12][model::kOutput], "PUMP");
    EXPECT_EQ(program.Tmr.Data[0].Name, "Mixer");
    EXPECT_EQ(program.Tmr.Data[0].Words[2], 50);
    EXPECT_EQ(program.Ctr.Panel[2], 2);
    EXPECT_EQ(program.IOType[91][model::kInput], model::kAnalog);  // rebuilt
    // What a current file carries is written back unchanged.
    EXPECT_EQ(files::ProgramFileText(program), DataFile("sample.zlp"));
}

TEST(ProgramFileReader, BetaFileHasNoHeaderAndKeepsThePreviousPanelTables) {
    model::Program program = PreviousProgram();
    const model::Program previous = program;
    const files::LoadReport report = files::ReadProgramText(program, DataFile("sample-beta.zlp"));
    EXPECT_TRUE(report.Complete);
    EXPECT_EQ(program.FileVersion, "beta");
    EXPECT_EQ(program.PageName[0], "Main sequence");
    EXPECT_EQ(program.PageName[1], "Alarms");
    EXPECT_EQ(program.PgmData[300].Code, (std::array<int16_t, 4>{10, 0, 0, 2}));
    EXPECT_EQ(program.IOName, model::DefaultIONames());
    EXPECT_EQ(program.Tmr, previous.Tmr);
    EXPECT_EQ(program.Ctr, previous.Ctr);
}

TEST(ProgramFileReader, Version120FileReadsNamesButNotPanelTables) {
    model::Program program = PreviousProgram();
    const model::Program previous = program;
    const files::LoadReport report = files::ReadProgramText(program, DataFile("sample-1.2.0.zlp"));
    EXPECT_TRUE(report.Complete);
    EXPECT_EQ(program.FileVersion, "1.2.0");
    EXPECT_EQ(program.IOName[12][model::kInput], "DOOR");
    EXPECT_EQ(program.Tmr, previous.Tmr);
}

TEST(ProgramFileReader, HeaderWithVersionBelow113HoldsRecordsOnly) {
    std::string text = DataFile("sample-1.2.0.zlp");
    text.replace(text.find("1.2.0"), 5, "1.0.9");
    model::Program program = PreviousProgram();
    EXPECT_TRUE(files::ReadProgramText(program, text).Complete);
    EXPECT_EQ(program.IOName, model::DefaultIONames());
    EXPECT_EQ(program.PgmData[2].Code, (std::array<int16_t, 4>{255, 0x12, 0, 0}));
}

TEST(ProgramFileReader, AcceptsLineFeedOnlyAndBlanksAroundItems) {
    std::string text = DataFile("sample.zlp");
    std::string unix;
    for (char c : text) {
        if (c != '\r')
            unix.push_back(c);
    }
    unix.replace(unix.find("12,0,0,0"), 8, " 12 , 0,0 ,0");
    model::Program a, b;
    ASSERT_TRUE(files::ReadProgramText(a, text).Complete);
    ASSERT_TRUE(files::ReadProgramText(b, unix).Complete);
    EXPECT_TRUE(a.SameContent(b));
}

TEST(ProgramFileReader, CutAnywhereNeverFailsUnsafelyAndBlanksWhatFollows) {
    const std::string text = DataFile("sample.zlp");
    // Cutting only the final line end still leaves every item in place.
    for (std::size_t cut = 0; cut < text.size() - 2; cut += 97) {
        model::Program program = PreviousProgram();
        const files::LoadReport report = files::ReadProgramText(program, text.substr(0, cut));
        ASSERT_FALSE(report.Complete) << cut;
        ASSERT_FALSE(program.LoadOK);
        ASSERT_FALSE(report.StoppedAt.empty());
        ASSERT_TRUE(program.PgmData[950].IsBlank()) << cut;
        ASSERT_TRUE(program.PgmData[950].Comment.empty());
    }
}

TEST(ProgramFileReader, CutInTheRecordsKeepsWhatWasReadAndSaysWhere) {
    const std::string text = DataFile("sample.zlp");
    // Cut in the middle of record 8's code line: "36,0x33..." is written as 36,51,232,4.
    const std::size_t at = text.find("36,51,232,4");
    model::Program program = PreviousProgram();
    const files::LoadReport report = files::ReadProgramText(program, text.substr(0, at + 5));
    EXPECT_FALSE(report.Complete);
    EXPECT_EQ(program.PgmData[2].Code, (std::array<int16_t, 4>{255, 0x12, 0, 0}));
    EXPECT_EQ(program.PgmData[8].Code, (std::array<int16_t, 4>{36, 51, 0, 0}));
    EXPECT_EQ(program.PgmData[8].Comment,
              "Caf\xE9 \xFC"
              "ber \x80 price");
    EXPECT_TRUE(program.PgmData[9].IsBlank());
    EXPECT_EQ(program.IOName, model::DefaultIONames());
    EXPECT_EQ(report.StoppedAt, "record 8, code byte 2");
    EXPECT_EQ(report.Reason, "the file ends here");
    EXPECT_EQ(report.Line, 9 + 2 * 8 + 1);
    EXPECT_NE(report.Message("x.zlp").find("x.zlp: reading stopped at line 26, record 8"),
              std::string::npos);
}

TEST(ProgramFileReader, ItemOfTheWrongKindStopsTheRead) {
    struct Case {
        const char* from;
        const char* to;
        const char* stoppedAt;
    };
    const Case cases[] = {
        {"12,0,0,0", "12,\"x\",0,0", "record 0, code byte 1"},
        {"12,0,0,0", "12,0,4x,0", "record 0, code byte 2"},
        {"12,0,0,0", "12,0,0,40000", "record 0, code byte 3"},
        {"12,0,0,0", "12,-,0,0", "record 0, code byte 1"},
    };
    for (const Case& c : cases) {
        std::string text = DataFile("new.zlp");
        text.replace(text.find(c.from), std::strlen(c.from), c.to);
        model::Program program;
        const files::LoadReport report = files::ReadProgramText(program, text);
        EXPECT_FALSE(report.Complete) << c.to;
        EXPECT_EQ(report.StoppedAt, c.stoppedAt) << c.to;
        EXPECT_EQ(program.PgmData[0].F(), 12) << c.to;
    }
}

TEST(ProgramFileReader, NegativeAndLargeCodesAreKeptForTheChecksToReport) {
    std::string text = DataFile("new.zlp");
    text.replace(text.find("12,0,0,0"), 8, "13,-3,300,0");
    model::Program program;
    ASSERT_TRUE(files::ReadProgramText(program, text).Complete);
    EXPECT_EQ(program.PgmData[0].Code, (std::array<int16_t, 4>{13, -3, 300, 0}));
    EXPECT_NE(files::ProgramFileText(program).find("\r\n13,-3,300,0\r\n"), std::string::npos);
}

TEST(ProgramFile, RandomProgramsRoundTripExactly) {
    std::mt19937 rng(20261206);
    for (int i = 0; i < 25; ++i) {
        const model::Program original = testsupport::RandomProgram(rng);
        const std::string text = files::ProgramFileText(original);
        model::Program read;
        ASSERT_TRUE(files::ReadProgramText(read, text).Complete) << i;
        ASSERT_TRUE(read.SameContent(original)) << i;
        ASSERT_EQ(files::ProgramFileText(read), text) << i;
    }
}

TEST(ProgramFile, TextThatWouldBreakTheFormatIsStoredAsTextThatReadsBack) {
    model::Program program = NewProgram();
    program.PgmData[0].Comment = "a \"quoted\" word\r\nnext, line";
    program.PageName[1] = "Page \"B\"";
    program.Tmr.Msg[0].Top = "Line\nbreak";
    program.IOName[3][model::kInput] = "IN\"3";
    model::Program read;
    ASSERT_TRUE(files::ReadProgramText(read, files::ProgramFileText(program)).Complete);
    EXPECT_EQ(read.PgmData[0].Comment, "a 'quoted' word  next, line");
    EXPECT_EQ(read.PageName[1], "Page 'B'");
    EXPECT_EQ(read.Tmr.Msg[0].Top, "Line break");
    EXPECT_EQ(read.IOName[3][model::kInput], "IN'3");
    EXPECT_EQ(read.PgmData[1].F(), 0);  // the records after it are where they belong
    EXPECT_EQ(read.PgmData[199].F(), 12);
}

TEST(ProgramFile, SaveAndLoadThroughTheDisk) {
    testfiles::ScratchFolder folder;
    model::Program program = NewProgram();
    program.PgmData[3].Comment = "Caf\xE9 \xFC \x80";
    program.PgmChanged = true;
    const std::string path = folder.File("p.zlp");
    ASSERT_EQ(files::SaveProgram(program, path), "");
    EXPECT_EQ(program.PgmFile, path);
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(testfiles::ReadBytes(path), files::ProgramFileText(program));

    model::Program read = PreviousProgram();
    const files::LoadReport report = files::LoadProgram(read, path);
    EXPECT_TRUE(report.Complete);
    EXPECT_EQ(report.Message(path), "");
    EXPECT_EQ(read.PgmFile, path);
    EXPECT_TRUE(read.SameContent(program));
}

TEST(ProgramFile, AFileThatCannotBeOpenedLeavesTheProgramAsItWas) {
    testfiles::ScratchFolder folder;
    model::Program program = PreviousProgram();
    program.PgmFile = "/old.zlp";
    program.PgmChanged = true;
    const model::Program before = program;
    for (const std::string& path : {folder.File("missing.zlp"), folder.Path()}) {
        const files::LoadReport report = files::LoadProgram(program, path);
        EXPECT_FALSE(report.Opened) << path;
        EXPECT_FALSE(report.Complete);
        EXPECT_NE(report.Message(path).find(path + ": cannot open"), std::string::npos);
        EXPECT_TRUE(program.SameContent(before));
        EXPECT_EQ(program.PgmFile, "/old.zlp");
        EXPECT_TRUE(program.PgmChanged);
    }
}

}  // namespace
