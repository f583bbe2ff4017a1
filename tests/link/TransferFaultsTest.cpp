// Transfers that meet a slow unit, a unit that answers every request wrongly, or the user's
// cancel: each ends saying what happened, and a slow unit's replies are never taken for the
// next line's.
#include <gtest/gtest.h>

#include <set>

#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/link/LinkBench.h"

namespace {

using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
namespace t = comm::texts;

// The program's and the timer panel's transfers, with what a cancel of each leaves.
const struct {
    const char* name;
    sim::UnitKind unit;
    comm::LinkResult (*run)(comm::LinkSession& link, model::Program& program);
    const char* cancelled;
} kTransfers[] = {
    {"program to the MCU", sim::UnitKind::Mcu,
     [](comm::LinkSession& link, model::Program& p) { return link.SendProgram(p); },
     t::kMcuSendCancelled},
    {"program from the MCU", sim::UnitKind::Mcu,
     [](comm::LinkSession& link, model::Program& p) { return link.ReadProgram(p); },
     t::kProgramKept},
    {"timers to the CIM", sim::UnitKind::Cim,
     [](comm::LinkSession& link, model::Program& p) { return link.SendTimers(p); },
     t::kPanelSendCancelled},
    {"timers from the CIM", sim::UnitKind::Cim,
     [](comm::LinkSession& link, model::Program& p) { return link.ReadTimers(p); }, t::kPanelsKept},
};

// Calls stop at the transfer's tenth step: the user's cancel, or a reset.
void StopMidway(LinkBench& bench, void (comm::LinkSession::*stop)()) {
    bench.seen.OnProgress = [&bench, stop, steps = 0](int) mutable {
        if (++steps == 10)
            (bench.link.*stop)();
    };
}

// The first line is asked for twice, as its reply is late; from then on the session waits as
// long as the unit takes. A reply left over from the repeat and taken for the next line's would
// fail its echo and have that line asked for again.
TEST(SlowUnit, EveryTransferCompletesWithOnlyTheFirstLineAskedForTwice) {
    for (int lateMs : {550, 2000}) {
        for (const auto& transfer : kTransfers) {
            SCOPED_TRACE(std::string(transfer.name) + ", " + std::to_string(lateMs) + " ms late");
            sim::UnitSetup setup = UnitOf(transfer.unit);
            setup.ReplyDelay = sim::Millis(lateMs);
            LinkBench bench(setup);
            ASSERT_TRUE(bench.Connect().Ok());
            model::Program program;
            model::MakeNewProgram(program);
            const comm::LinkResult result = transfer.run(bench.link, program);
            EXPECT_EQ(result.Result, Outcome::Success) << result.Message.Text;
            const std::vector<sim::Frame>& requests = bench.unit.Requests();
            ASSERT_GE(requests.size(), 2u);
            EXPECT_EQ(requests[0], requests[1]);
            EXPECT_EQ(std::set<sim::Frame>(requests.begin(), requests.end()).size(),
                      requests.size() - 1);
        }
    }
}

// Garbled echoes are not silence: the user is sent to the line speed, not to the power.
TEST(BadReplies, UnitAnsweringEveryRequestWronglyIsNamedAndPointedToLowSpeed) {
    sim::UnitSetup setup = UnitOf(sim::UnitKind::Mcu);
    setup.CorruptEchoPercent = 100;
    LinkBench bench(setup);
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    EXPECT_EQ(bench.link.SendProgram(program).Result, Outcome::BadReplies);
    ASSERT_EQ(bench.seen.Messages.size(), 1u);
    EXPECT_EQ(bench.seen.Messages[0].Title, t::kBadRepliesTitle);
    EXPECT_EQ(bench.seen.Messages[0].Text, t::kBadReplies);
    EXPECT_EQ(bench.unit.Requests().size(), std::size_t(comm::LinkSession::kMaxTries));
}

TEST(CancelledTransfer, SaysWhatTheUnitAndThePcNowHoldUntilTheNextTransfer) {
    for (const auto& transfer : kTransfers) {
        SCOPED_TRACE(transfer.name);
        LinkBench bench(UnitOf(transfer.unit));
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        model::MakeNewProgram(program);
        StopMidway(bench, &comm::LinkSession::Cancel);
        EXPECT_EQ(transfer.run(bench.link, program).Result, Outcome::Cancelled);
        ASSERT_EQ(bench.seen.Messages.size(), 1u);
        EXPECT_EQ(bench.seen.Messages[0].Title, t::kTransferCancelled);
        EXPECT_EQ(bench.seen.Messages[0].Text, transfer.cancelled);
        EXPECT_EQ(bench.seen.Transfer, t::kTransferCancelled);
        EXPECT_TRUE(bench.seen.TransferVisible);

        bench.seen.OnProgress = nullptr;
        EXPECT_TRUE(transfer.run(bench.link, program).Ok());
        EXPECT_FALSE(bench.seen.TransferVisible);
    }
}

}  // namespace
