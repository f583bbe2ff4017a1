// A cancelled transfer says so: lblXFerStat reads "Transfer Cancelled" until the next transfer,
// and a message says what the unit and the PC now hold.
#include <gtest/gtest.h>

#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "tests/link/LinkBench.h"
#include "tests/link/UnitTransfers.h"

namespace {

using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
namespace t = comm::texts;

// Calls stop at the transfer's tenth step: the user's cancel, or a reset.
void StopMidway(LinkBench& bench, void (comm::LinkSession::*stop)()) {
    bench.seen.OnProgress = [&bench, stop, steps = 0](int) mutable {
        if (++steps == 10)
            (bench.link.*stop)();
    };
}

TEST(CancelledTransfer, SaysWhatTheUnitAndThePcNowHoldUntilTheNextTransfer) {
    // In the order of kUnitTransfers.
    const char* const notices[] = {t::kMcuSendCancelled, t::kProgramKept, t::kPanelSendCancelled,
                                   t::kPanelsKept};
    for (std::size_t i = 0; i < linktest::kUnitTransfers.size(); ++i) {
        const linktest::UnitTransfer& transfer = linktest::kUnitTransfers[i];
        SCOPED_TRACE(transfer.Name);
        LinkBench bench(UnitOf(transfer.Unit));
        ASSERT_TRUE(bench.Connect().Ok());
        model::Program program;
        model::MakeNewProgram(program);
        StopMidway(bench, &comm::LinkSession::Cancel);
        const comm::LinkResult result = transfer.Run(bench.link, program);
        EXPECT_EQ(result.Result, Outcome::Cancelled);
        ASSERT_EQ(bench.seen.Messages.size(), 1u);
        EXPECT_EQ(bench.seen.Messages[0].Title, t::kCancelledTitle);
        EXPECT_EQ(bench.seen.Messages[0].Text, notices[i]);
        EXPECT_EQ(bench.seen.Transfer, t::kTransferCancelled);
        EXPECT_TRUE(bench.seen.TransferVisible);

        bench.seen.OnProgress = nullptr;
        EXPECT_TRUE(transfer.Run(bench.link, program).Ok());
        EXPECT_FALSE(bench.seen.TransferVisible);
    }
}

// A reset (also the programmer closing) ends the transfer itself: lblMode says what became of
// the link, and no message comes after it.
TEST(CancelledTransfer, EndedByAResetShowsNothingMore) {
    LinkBench bench(UnitOf(sim::UnitKind::Mcu));
    ASSERT_TRUE(bench.Connect().Ok());
    model::Program program;
    StopMidway(bench, &comm::LinkSession::Reset);
    EXPECT_EQ(bench.link.ReadProgram(program).Result, Outcome::Cancelled);
    EXPECT_TRUE(bench.seen.Messages.empty());
    EXPECT_FALSE(bench.seen.TransferVisible);
    EXPECT_EQ(bench.seen.Mode, t::kNotConnected);
}

}  // namespace
