// Units that answer late or keep answering wrongly: a slow unit is waited for, and none of its
// replies is taken for the next line's; a unit whose every answer is wrong is named as such.
#include <gtest/gtest.h>

#include "link/LinkTexts.h"
#include "model/NewProgram.h"
#include "tests/link/LinkBench.h"
#include "tests/link/RequestTally.h"
#include "tests/link/UnitTransfers.h"

namespace {

using comm::Outcome;
using linktest::LinkBench;
using linktest::UnitOf;
namespace t = comm::texts;

// The first line is asked for twice, as its reply is late; from then on the session waits as
// long as the unit takes, so each line is asked for once. A reply left over from a repeat and
// taken for the next line's would fail its echo and have that line asked for again.
TEST(SlowUnit, EveryTransferCompletesWithOnlyTheFirstLineAskedForTwice) {
    for (int lateMs : {550, 2000}) {
        for (const linktest::UnitTransfer& transfer : linktest::kUnitTransfers) {
            SCOPED_TRACE(std::string(transfer.Name) + ", replies " + std::to_string(lateMs) +
                         " ms late");
            sim::UnitSetup setup = UnitOf(transfer.Unit);
            setup.ReplyDelay = sim::Millis(lateMs);
            LinkBench bench(setup);
            ASSERT_TRUE(bench.Connect().Ok());
            model::Program program;
            model::MakeNewProgram(program);
            const comm::LinkResult result = transfer.Run(bench.link, program);
            EXPECT_EQ(result.Result, Outcome::Success) << result.Message.Text;
            const linktest::RequestTally tally(bench.unit.Requests());
            EXPECT_EQ(tally.Most(), 2);
            EXPECT_EQ(tally.Repeated(), 1);
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
    model::MakeNewProgram(program);
    const comm::LinkResult result = bench.link.SendProgram(program);
    EXPECT_EQ(result.Result, Outcome::BadReplies);
    ASSERT_EQ(bench.seen.Messages.size(), 1u);
    EXPECT_EQ(bench.seen.Messages[0].Title, t::kBadRepliesTitle);
    EXPECT_EQ(bench.seen.Messages[0].Text, t::kBadReplies);
    EXPECT_EQ(bench.unit.Requests().size(), std::size_t(comm::LinkSession::kMaxTries));
    EXPECT_EQ(bench.link.State(), comm::CommStateWord::Err);
}

}  // namespace
