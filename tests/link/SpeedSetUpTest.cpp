// The speed set-up after a unit with the newer interface has identified itself, through the
// receive handler.
#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using S = comm::CommStateWord;
using comm::SpeedSetUp;

const Bytes kNewerMcu = {0x55, 0xF0, 0x02, 0x47};
const Bytes kRegister100Test = {2, 7, 99, 0, 0, 0, 0, 108};

TEST_F(HandlerTest, SpeedSetUpSendsTheSpeedRequestThenTheTestAtTheNewSpeed) {
    const struct {
        Bytes ident;
        int commSpeed;
        uint8_t asked;  // the speed the request carries
        Bytes test;
        int baud;
        S state;
    } rows[] = {
        {kNewerMcu, 1, 1, kRegister100Test, 19200, S::Mcu},
        {kNewerMcu, 2, 0, kRegister100Test, 9600, S::Mcu},
        {{0x5A, 0xFA, 0x03, 0x57}, 1, 1, {6, 15, 0, 0, 0, 0, 0, 21}, 19200, S::Cim},
        {{0xAA, 0x0F, 0x02, 0xBB}, 0, 0, kRegister100Test, 9600, S::Pp},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.ident));
        handler.Reset();
        baud = 9600;
        handler.State().CommSpeed = row.commSpeed;
        Feed(row.ident);
        Sent();
        EXPECT_EQ(timer, SpeedSetUp::kPause);
        Feed({0x99});  // nothing is due during the pause
        Tick();
        const uint8_t echo = static_cast<uint8_t>(240 + row.asked);
        EXPECT_EQ(Sent(), (Bytes{240, row.asked, 0, 0, 0, 0, 0, echo}));
        Feed({echo});
        EXPECT_EQ(timer, SpeedSetUp::kPause);
        EXPECT_TRUE(Sent().empty()) << "the test waits for the pause";
        Tick();
        EXPECT_EQ(baud, row.baud);
        EXPECT_EQ(Sent(), row.test);
        Feed({row.test[7], 1, 2, 3, 4, 10});
        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(timer, 0);
        EXPECT_EQ(seen.Mode, comm::MeaningOf(row.state).ModeText);
    }
}

// A reset in the middle forgets the pending test: no tick is left to turn the next connection
// into "High Speed Error".
TEST_F(HandlerTest, SpeedSetUpGivesUpOnAUnitThatDoesNotAnswerRightly) {
    const Bytes wrong(SpeedSetUp::kTries, 0x99);
    const Bytes tick;  // an empty event is a tick of tmrComm
    const struct {
        const char* edge;
        std::vector<Bytes> events;
        std::size_t requests;  // sent before giving up
    } rows[] = {
        {"speed request not echoed", {tick, tick}, 1},
        {"speed request echoed wrongly", {tick, wrong}, 10},
        {"test not answered", {tick, {240}, tick, tick}, 2},
        {"test echoed wrongly", {tick, {240}, tick, wrong}, 1 + 10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edge);
        handler.Reset();
        Feed(kNewerMcu);
        Sent();
        for (const Bytes& event : row.events)
            event.empty() ? Tick() : Feed(event);
        EXPECT_EQ(State(), S::Err);
        EXPECT_EQ(seen.Mode, comm::texts::kHighSpeedError);
        EXPECT_EQ(timer, 0);
        EXPECT_EQ(Sent().size(), row.requests * 8);
    }
    handler.Reset();
    Feed(kNewerMcu);
    Tick();
    Feed({240});
    Tick();
    handler.Reset();
    EXPECT_EQ(timer, 0) << "reset with the test pending";
}

}  // namespace
}  // namespace linktest
