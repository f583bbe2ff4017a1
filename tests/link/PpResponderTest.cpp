// The Pocket Programmer's messages and the end of its transfer, through the receive handler.
#include <tuple>

#include "link/LinkTexts.h"
#include "model/HardwareConfig.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

namespace t = comm::texts;

// A Pocket Programmer connected; line 1 of page B is 1, 3, 1, 5.
class PpTest : public HandlerTest {
  protected:
    PpTest() {
        model::MakeNewProgram(program);
        program.PgmData[300].Code = {1, 3, 1, 5};
        handler.Pp().AttachProgram(&program);
        Feed({0xAA, 0x0F, 0x01, 0xBA});
        Sent();
    }
    void Send(uint8_t command, uint8_t page, uint8_t offset, const comm::LineBytes& line) {
        const comm::Frame message = comm::MakePpMessage(command, page, offset, line);
        Feed(Bytes(message.begin(), message.end()));
    }
    model::Program program;
};

// A line that comes is stored when its sum is right; a line asked for is served all the same,
// but a wrong sum does not keep the transfer open. Each restarts the 500 ms of quiet that end it.
// Lines outside the image (record 951, pages 8 and 0) and unknown commands are not answered.
TEST_F(PpTest, EachMessageIsAnsweredAtOnceAndOnlyARightOneKeepsTheTransferOpen) {
    const std::array<int16_t, 4> kept{}, stored{10, 20, 30, 40};
    // The message, its answer, line 6 of page B then, the status and progress shown, tmrComm
    // restarted.
    const std::tuple<Bytes, Bytes, std::array<int16_t, 4>, const char*, int, bool> rows[] = {
        {{1, 7, 151, 1, 2, 3, 4, 169}, {}, kept, "", 0, false},
        {{2, 8, 0, 0, 0, 0, 0, 10}, {}, kept, "", 0, false},
        {{1, 0, 0, 1, 2, 3, 4, 11}, {}, kept, "", 0, false},
        {{3, 1, 0, 0, 0, 0, 0, 4}, {}, kept, "", 0, false},
        {{1, 2, 5, 10, 20, 30, 40, 108}, {108}, stored, t::kReadingData, 305, true},
        {{1, 2, 5, 10, 20, 30, 40, 109}, {108}, kept, t::kReadingData, 0, true},
        {{2, 2, 0, 0, 0, 0, 0, 4}, {4, 1, 3, 1, 5}, kept, t::kSendingData, 300, true},
        {{2, 2, 0, 0, 0, 0, 0, 5}, {4, 1, 3, 1, 5}, kept, "", 0, false},
    };
    for (const auto& [message, answer, line305, status, progress, open] : rows) {
        SCOPED_TRACE(::testing::PrintToString(message));
        program.PgmData[305].Code = {};
        timer = 0;
        seen.Transfer.clear();
        seen.LastProgress = 0;
        Feed(message);
        EXPECT_EQ(Sent(), answer);
        EXPECT_EQ(program.PgmData[305].Code, line305);
        EXPECT_EQ(seen.Transfer, status);
        EXPECT_EQ(seen.LastProgress, progress);
        EXPECT_EQ(timer, open ? 500 : 0);
    }
}

// A receive ends with the checksum check and the program's I/O kinds rebuilt from the lines
// that came (the window then refreshes its I/O lists); a send only hides the status.
TEST_F(PpTest, EndOfTransferChecksAndRefreshesOnlyAReceivedProgram) {
    for (int sumOffset : {0, 1, -1}) {  // -1: a send
        SCOPED_TRACE(sumOffset);
        seen = {};
        model::MakeNewProgram(program);
        const bool receive = sumOffset >= 0;
        if (receive) {
            Send(1, 7, 19, {4, 0, 0, 2});  // register 20: four inputs fitted at block 20
            const uint8_t sum = model::ProgramChecksum(program);
            Send(1, 7, 99, {0, 1, 30, static_cast<uint8_t>(sum + sumOffset)});
        } else {
            Send(2, 1, 0, {});
        }
        Tick();
        EXPECT_TRUE(handler.Pp().Tally().Ended);
        EXPECT_FALSE(seen.TransferVisible);
        ASSERT_EQ(seen.Messages.size(), sumOffset == 1 ? 1u : 0u);
        EXPECT_TRUE(sumOffset != 1 ||
                    seen.Messages[0].Title + seen.Messages[0].Text ==
                        std::string(t::kChecksumErrorTitle) + t::kDataTransferError);
        EXPECT_EQ(seen.Replaced, receive ? 1 : 0);
        EXPECT_EQ(program.IOType[21][model::kInput],
                  receive ? model::kDigital : model::kNotInstalled);
    }
}

}  // namespace
}  // namespace linktest
