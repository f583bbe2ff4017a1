// Counter lines (F 34..40).
#include <cmath>

#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

constexpr int kCounterCount = 8;
constexpr int kMessageLimit = 16;
constexpr long kMaxCompareValue = 4000;

void CheckModuleAndCounter(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (!model::CounterModuleInstalled(ctx.program))
        e.push_back({60, ""});
    if (r.P1() % 16 > kCounterCount)
        e.push_back({61, ""});
}

std::string DescribeIncrement(const Program&, const PgmRecord& r) {
    return "Increment Counter " + Dec(r.P1()) + rules::DisplayItText(r.P3());
}

std::string DescribeDecrement(const Program&, const PgmRecord& r) {
    return "Decrement Counter " + Dec(r.P1()) + rules::DisplayItText(r.P3());
}

std::string DescribeReset(const Program&, const PgmRecord& r) {
    return "Reset Counter " + Dec(r.P1());
}

std::string DescribeDisplay(const Program&, const PgmRecord& r) {
    return "Display Counter " + Dec(r.P1());
}

// P1's low four bits are the counter, its high four bits the high part of the value.
long CompareValue(const PgmRecord& r) {
    return static_cast<long>(std::floor(r.P1() / 16.0)) * 256 + r.P2();
}

std::string DescribeCompare(const PgmRecord& r, const char* relation) {
    return "Check if Counter " + Real(r.P1() % 16) + " is AT or " + relation + " " +
           Real(static_cast<double>(CompareValue(r))) + rules::JumpText(r.P3());
}

std::string DescribeAtOrAbove(const Program&, const PgmRecord& r) {
    return DescribeCompare(r, "ABOVE");
}

std::string DescribeAtOrBelow(const Program&, const PgmRecord& r) {
    return DescribeCompare(r, "BELOW");
}

void CheckCompare(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (CompareValue(r) > kMaxCompareValue)
        e.push_back({63, ""});
    CheckModuleAndCounter(ctx, r, e);
    rules::CheckJumpLine(ctx, r.P3(), e);
}

std::string DescribeMessage(const Program&, const PgmRecord& r) {
    return "Display Message " + Hex(r.P3()) + " on Counter Panel";
}

// As on the timer panel: a missing module, and a message number of 0 or above 16.
void CheckMessage(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (!model::CounterModuleInstalled(ctx.program))
        e.push_back({60, ""});
    const int message = rules::MessageNumber(r.P3());
    if (message == 0 || message > kMessageLimit)
        e.push_back({62, ""});
}

}  // namespace

const std::vector<FunctionInfo>& Counter() {
    static const std::vector<FunctionInfo> table{
        {34, 34, FunctionGroup::Counter, DescribeIncrement, CheckModuleAndCounter},
        {35, 35, FunctionGroup::Counter, DescribeDecrement, CheckModuleAndCounter},
        {36, 36, FunctionGroup::Counter, DescribeAtOrAbove, CheckCompare},
        {37, 37, FunctionGroup::Counter, DescribeAtOrBelow, CheckCompare},
        {38, 38, FunctionGroup::Counter, DescribeReset, CheckModuleAndCounter},
        {39, 39, FunctionGroup::Counter, DescribeDisplay, CheckModuleAndCounter},
        {40, 40, FunctionGroup::Counter, DescribeMessage, CheckMessage},
    };
    return table;
}

}  // namespace model::families
