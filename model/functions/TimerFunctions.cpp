// Timer lines (F 32): the operation is P2, the timer 160 + its number in P1.
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

constexpr int kTimerBase = 160;
constexpr int kTimerCount = 8;
constexpr int kMessageLimit = 16;
constexpr int kDisplayMessage = 7;

std::string DescribeTimer(const Program&, const PgmRecord& r) {
    const std::string n = Dec(r.P1() - kTimerBase);
    switch (r.P2()) {
        case 0:
            return "Check Timer " + n + " For Status OFF" + rules::JumpText(r.P3());
        case 1:
            return "Check Timer " + n + " For Status ON" + rules::JumpText(r.P3());
        case 2:
            return "Freeze Timer " + n;
        case 3:
            return "Thaw Timer " + n;
        case 4:
            return "Start Timer " + n + rules::DisplayItText(r.P3());
        case 5:
            return "Wait for Timer " + n + rules::DisplayItText(r.P3());
        case 6:
            return "Display Timer " + n;
        case kDisplayMessage:
            return "Display Message " + Hex(r.P3()) + " on Timer Panel";
        default:
            return std::string();
    }
}

// A message line reports a missing module like every other timer line, and a message number
// of 0 or above 16 (there is no such message to show).
void CheckTimer(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (r.P2() < 0 || r.P2() > kDisplayMessage)
        return;
    if (!model::TimerModuleInstalled(ctx.program))
        e.push_back({50, ""});
    if (r.P2() == kDisplayMessage) {
        const int message = rules::MessageNumber(r.P3());
        if (message == 0 || message > kMessageLimit)
            e.push_back({52, ""});
        return;
    }
    if (r.P1() - kTimerBase > kTimerCount)
        e.push_back({51, ""});
    if (r.P2() <= 1)
        rules::CheckJumpLine(ctx, r.P3(), e);
}

}  // namespace

const std::vector<FunctionInfo>& Timer() {
    static const std::vector<FunctionInfo> table{
        {32, 32, FunctionGroup::Timer, DescribeTimer, CheckTimer},
    };
    return table;
}

}  // namespace model::families
