// Reading every generation of program file, writing the current one, and round trips, the
// fuzzer's seed corpus among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

#include "files/ProgramFile.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using testfiles::DataFile;
using Code = std::array<int16_t, 4>;

// A program that differs from sample.zlp in every table, to see what a read replaces.
model::Program PreviousProgram() {
    std::mt19937 rng(7);
    return testsupport::RandomProgram(rng);
}

TEST(ProgramFileWriter, NewProgramMatchesTheReferenceFileByteForByte) {
    model::Program program;
    model::MakeNewProgram(program);
    EXPECT_EQ(files::ProgramFileText(program), DataFile("new.zlp"));
}

// The reference files of earlier generations hold sample.zlp's pages and records; what their
// version does not carry is the default I/O names and the panel tables the program had before.
// What the fields mean shows in the reference listing the export writes from sample.zlp.
TEST(ProgramFileReader, EachGenerationReadsWhatItsVersionCarries) {
    struct Generation {
        const char* name;
        const char* file;
        std::function<void(std::string&)> edit;
        const char* version;
        bool names;
        bool panels;
    };
    const Generation generations[] = {
        {"Beta", "sample-beta.zlp", nullptr, "beta", false, false},
        {"Before113", "sample-1.2.0.zlp",
         [](std::string& text) { text.replace(text.find("1.2.0"), 5, "1.0.9"); }, "1.0.9", false,
         false},
        {"From113", "sample-1.2.0.zlp", nullptr, "1.2.0", true, false},
        {"LineFeedsAloneAndBlanksAroundItems", "sample.zlp",
         [](std::string& text) {
             text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
             text.replace(text.find("12,0,0,0"), 8, " 12 , 0,0 ,0");
         },
         "2.2.1", true, true},
    };
    model::Program sample;
    ASSERT_TRUE(files::ReadProgramText(sample, DataFile("sample.zlp")).Complete);
    EXPECT_EQ(files::ProgramFileText(sample), DataFile("sample.zlp"));
    for (const Generation& g : generations) {
        SCOPED_TRACE(g.name);
        std::string text = DataFile(g.file);
        if (g.edit)
            g.edit(text);
        model::Program program = PreviousProgram();
        program.PgmChanged = true;
        const model::Program previous = program;
        ASSERT_TRUE(files::ReadProgramText(program, text).Complete);
        EXPECT_TRUE(program.LoadOK && !program.PgmChanged);
        EXPECT_EQ(program.IOType[91][model::kInput], model::kAnalog);  // rebuilt
        EXPECT_EQ(program.FileVersion, g.version);
        EXPECT_EQ(program.PageName, sample.PageName);
        EXPECT_TRUE(program.PgmData == sample.PgmData);
        EXPECT_EQ(program.IOName, g.names ? sample.IOName : model::DefaultIONames());
        EXPECT_TRUE(program.Tmr == (g.panels ? sample : previous).Tmr);
        EXPECT_TRUE(program.Ctr == (g.panels ? sample : previous).Ctr);
    }
}

TEST(ProgramFileReader, CutAnywhereStopsTheReadAndBlanksWhatFollows) {
    const std::string text = DataFile("sample.zlp");
    // Cutting only the final line end still leaves every item in place.
    for (std::size_t cut = 0; cut < text.size() - 2; cut += 97) {
        model::Program program = PreviousProgram();
        const files::LoadReport report = files::ReadProgramText(program, text.substr(0, cut));
        ASSERT_FALSE(report.Complete || program.LoadOK || report.StoppedAt.empty()) << cut;
        ASSERT_EQ(program.PgmData[950], model::PgmRecord()) << cut;
    }
}

// sample.zlp up to record 8's code line "36,51,232,4" (line 26), then `code` in its place and
// nothing more: the read keeps what came before the item it cannot read.
TEST(ProgramFileReader, ItemThatCannotBeReadStopsTheReadAndSaysWhereAndWhy) {
    struct Stop {
        const char* name;
        std::string code;
        Code kept;
        const char* where;
    };
    const Stop stops[] = {
        {"FileEnds", "36,51", {36, 51, 0, 0}, "code byte 2: the file ends here"},
        {"Text", "36,\"x\"", {36, 0, 0, 0}, "code byte 1: a text stands where a number belongs"},
        {"Letters", "36,51,4x", {36, 51, 0, 0}, "code byte 2: '4x' is not a whole number"},
        {"LoneMinus", "36,-", {36, 0, 0, 0}, "code byte 1: '-' is not a number"},
        {"Over16Bits", "36,51,232,40000", {36, 51, 232, 0}, "code byte 3: 40000 is out of range"},
        {"Overlong",
         "36," + std::string(70000, '1'),
         {36, 0, 0, 0},
         "code byte 1: an item is longer than 65536 characters"},
    };
    for (const Stop& s : stops) {
        std::string text = DataFile("sample.zlp");
        text.replace(text.find("36,51,232,4"), std::string::npos, s.code);
        model::Program program = PreviousProgram();
        EXPECT_EQ(files::ReadProgramText(program, text).Message("x.zlp"),
                  std::string("x.zlp: reading stopped at line 26, record 8, ") + s.where);
        EXPECT_EQ(program.PgmData[8].Code, s.kept) << s.name;
    }
}

// A negative or large code from another tool is kept for the checks to report.
TEST(ProgramFile, RandomProgramsRoundTripExactly) {
    std::mt19937 rng(20261206);
    for (int i = 0; i < 25; ++i) {
        model::Program original = testsupport::RandomProgram(rng);
        original.PgmData[i].Code = {13, -3, 300, 0};
        const std::string text = files::ProgramFileText(original);
        model::Program read;
        ASSERT_TRUE(files::ReadProgramText(read, text).Complete) << i;
        ASSERT_TRUE(read.SameContent(original)) << i;
        ASSERT_EQ(files::ProgramFileText(read), text) << i;
    }
}

// The fuzzer aborts, failing this test, when a seed breaks the property.
TEST(ProgramFile, EveryFuzzSeedHoldsTheFuzzersRoundTripProperty) {
    int seeds = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ZOLT_FUZZ_CORPUS) + "/program-file")) {
        const std::string bytes = testfiles::ReadBytes(entry.path().string());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    EXPECT_GE(seeds, 5);
}

TEST(ProgramFile, TextThatWouldBreakTheFormatIsStoredAsTextThatReadsBack) {
    model::Program program;
    model::MakeNewProgram(program);
    program.PgmData[0].Comment = "a \"quoted\" word\r\nnext, line";
    program.IOName[3][model::kInput] = "IN\"3";
    model::Program read;
    ASSERT_TRUE(files::ReadProgramText(read, files::ProgramFileText(program)).Complete);
    EXPECT_EQ(read.PgmData[0].Comment, "a 'quoted' word  next, line");
    EXPECT_EQ(read.IOName[3][model::kInput], "IN'3");
    EXPECT_EQ(read.PgmData[199].F(), 12);  // the records after it are where they belong
}

// The saved program's texts hold bytes of every kind; a file that cannot be opened, or a folder,
// then leaves the program loaded from the disk as it was.
TEST(ProgramFile, SaveAndLoadThroughTheDiskAndAFileThatCannotBeOpenedChangesNothing) {
    testfiles::ScratchFolder folder;
    model::Program program = PreviousProgram();
    program.PgmChanged = true;
    const std::string path = folder.File("p.zlp");
    ASSERT_EQ(files::SaveProgram(program, path), "");
    EXPECT_EQ(program.PgmFile, path);
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_EQ(testfiles::ReadBytes(path), files::ProgramFileText(program));

    model::Program read;
    EXPECT_EQ(files::LoadProgram(read, path).Message(path), "");
    EXPECT_EQ(read.PgmFile, path);
    EXPECT_TRUE(read.SameContent(program));
    read.PgmChanged = true;
    for (const std::string& unopenable : {folder.File("missing.zlp"), folder.Path()}) {
        const files::LoadReport report = files::LoadProgram(read, unopenable);
        EXPECT_FALSE(report.Opened || report.Complete) << unopenable;
        EXPECT_EQ(report.Message(unopenable).rfind(unopenable + ": cannot open", 0), 0u);
        EXPECT_TRUE(read.SameContent(program) && read.PgmChanged);
        EXPECT_EQ(read.PgmFile, path);
    }
}

}  // namespace
