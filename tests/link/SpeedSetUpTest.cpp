// The speed set-up after a unit with the newer interface has identified itself, through the
// receive handler.
#include "link/LinkTexts.h"
#include "tests/link/HandlerBench.h"

namespace linktest {
namespace {

using comm::CommStateWord;
using comm::SpeedSetUp;

const Bytes kNewerMcu = {0x55, 0xF0, 0x02, 0x47};

TEST_F(HandlerTest, SpeedSetUpSendsTheSpeedRequestThenTheTestAtTheNewSpeed) {
    const struct {
        Bytes ident;
        int commSpeed;
        Bytes speedRequest;
        Bytes test;
        int baud;
        CommStateWord state;
    } rows[] = {
        {kNewerMcu,
         1,
         {240, 1, 0, 0, 0, 0, 0, 241},
         {2, 7, 99, 0, 0, 0, 0, 108},
         19200,
         CommStateWord::Mcu},
        {kNewerMcu,
         2,
         {240, 0, 0, 0, 0, 0, 0, 240},
         {2, 7, 99, 0, 0, 0, 0, 108},
         9600,
         CommStateWord::Mcu},
        {{0x5A, 0xFA, 0x03, 0x57},
         1,
         {240, 1, 0, 0, 0, 0, 0, 241},
         {6, 15, 0, 0, 0, 0, 0, 21},
         19200,
         CommStateWord::Cim},
        {{0xAA, 0x0F, 0x02, 0xBB},
         0,
         {240, 0, 0, 0, 0, 0, 0, 240},
         {2, 7, 99, 0, 0, 0, 0, 108},
         9600,
         CommStateWord::Pp},
    };
    for (const auto& row : rows) {
        handler.Reset();
        host.Baud = 9600;
        handler.State().CommSpeed = row.commSpeed;
        Feed(row.ident);
        host.Take();
        EXPECT_EQ(host.Timer, SpeedSetUp::kPause);
        Tick();
        EXPECT_EQ(host.Take(), row.speedRequest);
        Feed({row.speedRequest[7]});
        EXPECT_EQ(host.Timer, SpeedSetUp::kPause);
        EXPECT_TRUE(host.Sent.empty()) << "the test waits for the pause";
        Tick();
        EXPECT_EQ(host.Baud, row.baud);
        EXPECT_EQ(host.Take(), row.test);
        Feed({row.test[7], 1, 2, 3, 4, 10});
        EXPECT_EQ(State(), row.state);
        EXPECT_EQ(host.Timer, 0);
        EXPECT_NE(seen.Mode, comm::texts::kConnecting);
    }
}

// What happens, in order: a tick of tmrComm, or bytes from the unit.
struct Event {
    bool tick;
    Bytes bytes;
};
const Event kTick{true, {}};

TEST_F(HandlerTest, SpeedSetUpGivesUpOnAUnitThatDoesNotAnswerRightly) {
    const Bytes wrongEchoes(SpeedSetUp::kTries, 0x99);
    const struct {
        const char* edge;
        std::vector<Event> events;
        std::size_t requests;  // sent before giving up
    } rows[] = {
        {"speed request never echoed", {kTick, kTick}, 1},
        {"speed request echoed wrongly", {kTick, {false, wrongEchoes}}, 10},
        {"test never answered", {kTick, {false, {240}}, kTick, kTick}, 2},
        {"test echoed wrongly", {kTick, {false, {240}}, kTick, {false, wrongEchoes}}, 11},
    };
    for (const auto& row : rows) {
        handler.Reset();
        Feed(kNewerMcu);
        host.Take();
        for (const Event& event : row.events) {
            if (event.tick)
                Tick();
            else
                Feed(event.bytes);
        }
        EXPECT_EQ(State(), CommStateWord::Err) << row.edge;
        EXPECT_EQ(seen.Mode, comm::texts::kHighSpeedError) << row.edge;
        EXPECT_EQ(host.Timer, 0) << row.edge;
        EXPECT_EQ(host.Take().size(), row.requests * 8) << row.edge;
    }
}

TEST_F(HandlerTest, ResetForgetsAPendingHighSpeedTest) {
    Feed(kNewerMcu);
    Tick();
    Feed({240});
    Tick();
    handler.Reset();
    // No tick is left to turn the next connection into "High Speed Error".
    EXPECT_EQ(host.Timer, 0);
    Feed({0x55, 0xF0, 0x01, 0x46});
    EXPECT_EQ(State(), CommStateWord::Mcu);
}

}  // namespace
}  // namespace linktest
