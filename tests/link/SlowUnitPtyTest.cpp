// A slow unit on a pseudo-terminal, in real time: its requests counted per line, where a late
// reply once made each line be asked for twice as often as the one before.
#include <gtest/gtest.h>

#include "app/sim/UnitThread.h"
#include "tests/link/PcSide.h"

namespace {

TEST(SlowUnitPty, FirstLineIsAskedForTwiceAndTheNextOnceEachWithTheirOwnData) {
    sim::UnitSetup setup;
    setup.PowerUpDelay = sim::Millis(5);
    setup.ReplyDelay = sim::Millis(550);
    const int lines = 4;
    for (int offset = 0; offset < lines; ++offset)
        setup.Memory[offset] = {uint8_t(10 + offset), 20, 30, 40};
    sim::UnitThread unit(setup, false);
    ASSERT_EQ(unit.Error(), "");
    linktest::PcSide<> pc;
    ASSERT_TRUE(pc.link.Connect(unit.DevicePath(), 0).Ok());
    ASSERT_TRUE(pc.link.WaitForUnit(5000).Ok());

    for (int offset = 0; offset < lines; ++offset) {
        const comm::Reply reply =
            pc.link.Transact({comm::kReadLine, 1, uint8_t(offset), 0, 0, 0, 0}, 6, true);
        ASSERT_TRUE(reply.Ok()) << "line " << offset + 1;
        EXPECT_EQ(reply.Data(), setup.Memory[offset]) << "line " << offset + 1;
    }
    const std::vector<int> asked = unit.Inspect([](const sim::UnitEmulator& u) {
        std::vector<int> numbers;
        for (const sim::Frame& frame : u.Requests())
            numbers.push_back(frame[2] + 1);
        return numbers;
    });
    EXPECT_EQ(asked, (std::vector<int>{1, 1, 2, 3, 4}));
}

}  // namespace
