// The Pocket Programmer's messages and the end of its transfer, through the receive handler.
#include "hardware/HardwareConfig.h"
#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using comm::PpResponder;
namespace texts = comm::texts;

class PpTest : public HandlerTest {
  protected:
    PpTest() {
        model::MakeNewProgram(program);
        program.PgmData[0].Code = {1, 0x03, 1, 5};
        handler.Pp().AttachProgram(&program);
        Feed({0xAA, 0x0F, 0x01, 0xBA});
        host.Take();
    }
    void Send(uint8_t command, uint8_t page, uint8_t offset, const comm::LineBytes& line) {
        const comm::Frame message = comm::MakePpMessage(command, page, offset, line);
        Feed(Bytes(message.begin(), message.end()));
    }
    model::Program program;
};

TEST_F(PpTest, EachMessageIsAnsweredAtOnce) {
    const struct {
        const char* edge;
        Bytes message;
        Bytes answer;
        bool stored;  // bytes 3..6 went into record 305
        const char* status;
        int progress;
        comm::Millis timer;
    } rows[] = {
        {"line sent with a wrong sum",
         {1, 2, 5, 10, 20, 30, 40, 109},
         {108},
         false,
         texts::kReadingData,
         0,
         PpResponder::kQuiet},
        {"line sent",
         {1, 2, 5, 10, 20, 30, 40, 108},
         {108},
         true,
         texts::kReadingData,
         305,
         PpResponder::kQuiet},
        {"line asked for with a wrong sum",
         {2, 1, 0, 0, 0, 0, 0, 4},
         {3, 1, 3, 1, 5},
         false,
         "",
         0,
         0},
        {"line asked for",
         {2, 1, 0, 0, 0, 0, 0, 3},
         {3, 1, 3, 1, 5},
         false,
         texts::kSendingData,
         0,
         PpResponder::kQuiet},
    };
    for (const auto& row : rows) {
        program.PgmData[305].Code = {};
        host.Timer = 0;
        seen.Transfer.clear();
        seen.LastProgress = 0;
        Feed(row.message);
        EXPECT_EQ(host.Take(), row.answer) << row.edge;
        EXPECT_EQ(program.PgmData[305].Code,
                  (row.stored ? std::array<int16_t, 4>{10, 20, 30, 40} : std::array<int16_t, 4>{}))
            << row.edge;
        EXPECT_EQ(seen.Transfer, row.status) << row.edge;
        EXPECT_EQ(seen.LastProgress, row.progress) << row.edge;
        EXPECT_EQ(host.Timer, row.timer) << row.edge;
    }
}

TEST_F(PpTest, LinesOutsideTheImageAndUnknownCommandsAreNotAnswered) {
    const model::Program before = program;
    const Bytes messages[] = {
        {1, 7, 151, 1, 2, 3, 4, 0},  // record 951
        {2, 8, 0, 0, 0, 0, 0, 0},    // no page 8
        {1, 0, 0, 1, 2, 3, 4, 0},    // no page 0
        {3, 1, 0, 0, 0, 0, 0, 0},    // no command 3
    };
    for (Bytes message : messages) {
        message[7] = comm::Sum8(message.data(), 7);
        Feed(message);
        EXPECT_TRUE(host.Take().empty());
        EXPECT_EQ(handler.State().RxCount, 0u);
    }
    EXPECT_TRUE(program.SameContent(before));
    EXPECT_EQ(host.Timer, 0);
}

// A receive ends with the checksum check and the program's I/O kinds rebuilt from the lines
// that came (the window then refreshes its I/O lists); a send only hides the status.
TEST_F(PpTest, EndOfTransferChecksAndRefreshesOnlyAReceivedProgram) {
    const struct {
        const char* edge;
        bool receive;
        bool checksumRight;
    } rows[] = {
        {"receive", true, true}, {"receive, wrong checksum", true, false}, {"send", false, true}};
    for (const auto& row : rows) {
        seen = {};
        model::MakeNewProgram(program);
        if (row.receive) {
            Send(1, 7, 19, {4, 0, 0, 2});  // register 20: four inputs fitted at block 20
            const uint8_t sum = model::ProgramChecksum(program);
            Send(1, 7, 99, {0, 1, 30, static_cast<uint8_t>(row.checksumRight ? sum : sum + 1)});
        } else {
            Send(2, 1, 0, {});
        }
        Tick();
        EXPECT_TRUE(handler.Pp().Tally().Ended) << row.edge;
        EXPECT_FALSE(seen.TransferVisible) << row.edge;
        EXPECT_EQ(seen.Messages.size(), row.checksumRight ? 0u : 1u) << row.edge;
        if (!row.checksumRight) {
            EXPECT_EQ(seen.Messages[0].Title, texts::kChecksumErrorTitle);
            EXPECT_EQ(seen.Messages[0].Text, texts::kDataTransferError);
        }
        EXPECT_EQ(seen.Replaced, row.receive ? 1 : 0) << row.edge;
        EXPECT_EQ(program.IOType[21][hardware::kInput],
                  row.receive ? hardware::kDigital : hardware::kNotInstalled)
            << row.edge;
    }
}

}  // namespace
}  // namespace linktest
