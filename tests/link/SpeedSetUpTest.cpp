// The speed set-up after a unit with the newer interface has identified itself, through the
// receive handler.
#include <tuple>

#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using S = comm::CommStateWord;
using comm::SpeedSetUp;

const Bytes kNewerMcu = {0x55, 0xF0, 0x02, 0x47};
const Bytes kRegister100Test = {2, 7, 99, 0, 0, 0, 0, 108};

TEST_F(HandlerTest, SpeedSetUpSendsTheSpeedRequestThenTheTestAtTheNewSpeed) {
    // Identification, speed asked for, the speed the request carries, the test, the speed and state
    // after.
    const std::tuple<Bytes, int, uint8_t, Bytes, int, S> rows[] = {
        {kNewerMcu, 1, 1, kRegister100Test, 19200, S::Mcu},
        {kNewerMcu, 2, 0, kRegister100Test, 9600, S::Mcu},
        {{0x5A, 0xFA, 0x03, 0x57}, 1, 1, {6, 15, 0, 0, 0, 0, 0, 21}, 19200, S::Cim},
        {{0xAA, 0x0F, 0x02, 0xBB}, 0, 0, kRegister100Test, 9600, S::Pp},
    };
    for (const auto& [ident, commSpeed, asked, test, speed, state] : rows) {
        SCOPED_TRACE(::testing::PrintToString(ident));
        handler.Reset();
        baud = 9600;
        handler.State().CommSpeed = commSpeed;
        Feed(ident);
        Sent();
        EXPECT_EQ(timer, SpeedSetUp::kPause);
        Feed({0x99});  // nothing is due during the pause
        Tick();
        const uint8_t echo = static_cast<uint8_t>(240 + asked);
        EXPECT_EQ(Sent(), (Bytes{240, asked, 0, 0, 0, 0, 0, echo}));
        Feed({echo});
        EXPECT_EQ(timer, SpeedSetUp::kPause);
        EXPECT_TRUE(Sent().empty()) << "the test waits for the pause";
        Tick();
        EXPECT_EQ(baud, speed);
        EXPECT_EQ(Sent(), test);
        Feed({test[7], 1, 2, 3, 4, 10});
        EXPECT_EQ(State(), state);
        EXPECT_EQ(timer, 0);
        EXPECT_EQ(seen.Mode, comm::MeaningOf(state).ModeText);
    }
}

// A reset in the middle forgets the pending test: no tick is left to turn the next connection
// into "High Speed Error".
TEST_F(HandlerTest, SpeedSetUpGivesUpOnAUnitThatDoesNotAnswerRightly) {
    const Bytes wrong(SpeedSetUp::kTries, 0x99);
    const Bytes tick;  // an empty event is a tick of tmrComm
    // The edge, its events, and the requests sent before giving up.
    const std::tuple<const char*, std::vector<Bytes>, std::size_t> rows[] = {
        {"speed request not echoed", {tick, tick}, 1},
        {"speed request echoed wrongly", {tick, wrong}, 10},
        {"test not answered", {tick, {240}, tick, tick}, 2},
        {"test echoed wrongly", {tick, {240}, tick, wrong}, 1 + 10},
    };
    for (const auto& [edge, events, requests] : rows) {
        SCOPED_TRACE(edge);
        handler.Reset();
        Feed(kNewerMcu);
        Sent();
        for (const Bytes& event : events)
            event.empty() ? Tick() : Feed(event);
        EXPECT_EQ(State(), S::Err);
        EXPECT_EQ(seen.Mode, comm::texts::kHighSpeedError);
        EXPECT_EQ(timer, 0);
        EXPECT_EQ(Sent().size(), requests * 8);
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
