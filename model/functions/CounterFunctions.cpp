// Counter lines (F 34..40).
#include <algorithm>
#include <cmath>

#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/Machine.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

constexpr int kCounterCount = 8;
constexpr int kMessageLimit = 16;
constexpr int kMostCount = 59999;

void CheckModuleAndCounter(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (!model::CounterModuleInstalled(ctx.program))
        e.push_back({60, ""});
    if (r.P1() % 16 > kCounterCount)
        e.push_back({61, ""});
}

// The counter numbered `number`, or 0 after stopping the page when that is none of the eight.
int CounterOf(Machine& m, int number) {
    if (number >= 1 && number <= kCounterCount)
        return number;
    m.Stop(ErrorMessageText(61));
    return 0;
}

// Moves the count of the counter P1 names by `by`, within 0..kMostCount, and goes on.
void CountBy(Machine& m, const PgmRecord& r, int by) {
    if (const int c = CounterOf(m, r.P1())) {
        m.SetCount(c, std::clamp(m.Count(c) + by, 0, kMostCount));
        if (r.P3() == 1)
            m.ShowCounter(c);
        m.GoOn();
    }
}

void RunIncrement(Machine& m, const PgmRecord& r) {
    CountBy(m, r, 1);
}

void RunDecrement(Machine& m, const PgmRecord& r) {
    CountBy(m, r, -1);
}

void RunReset(Machine& m, const PgmRecord& r) {
    if (const int c = CounterOf(m, r.P1())) {
        m.SetCount(c, 0);
        m.GoOn();
    }
}

void RunDisplay(Machine& m, const PgmRecord& r) {
    if (const int c = CounterOf(m, r.P1())) {
        m.ShowCounter(c);
        m.GoOn();
    }
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
    if (CompareValue(r) > MaxQuantity(Quantity::CompareValue))
        e.push_back({63, ""});
    CheckModuleAndCounter(ctx, r, e);
}

void RunAtOrAbove(Machine& m, const PgmRecord& r) {
    if (const int c = CounterOf(m, r.P1() % 16))
        rules::AfterCheck(m, m.Count(c) >= CompareValue(r), r.P3());
}

void RunAtOrBelow(Machine& m, const PgmRecord& r) {
    if (const int c = CounterOf(m, r.P1() % 16))
        rules::AfterCheck(m, m.Count(c) <= CompareValue(r), r.P3());
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

void RunMessage(Machine& m, const PgmRecord& r) {
    m.ShowCounterMessage(rules::MessageNumber(r.P3()));
    m.GoOn();
}

}  // namespace

const std::vector<FunctionInfo>& Counter() {
    using P = Param;
    constexpr FunctionGroup kGroup = FunctionGroup::Counter;
    constexpr LineFields counterAndFlag{{P::Counter, P::Unused, P::DisplayFlag}};
    constexpr LineFields compare{{P::Counter, P::Quantity, P::JumpLine}, Quantity::CompareValue};
    constexpr LineFields counter{{P::Counter, P::Unused, P::Unused}};
    constexpr LineFields message{{P::Unused, P::Unused, P::Message}};
    static const std::vector<FunctionInfo> table{
        {34, 34, kGroup, DescribeIncrement, CheckModuleAndCounter, RunIncrement, counterAndFlag},
        {35, 35, kGroup, DescribeDecrement, CheckModuleAndCounter, RunDecrement, counterAndFlag},
        {36, 36, kGroup, DescribeAtOrAbove, CheckCompare, RunAtOrAbove, compare},
        {37, 37, kGroup, DescribeAtOrBelow, CheckCompare, RunAtOrBelow, compare},
        {38, 38, kGroup, DescribeReset, CheckModuleAndCounter, RunReset, counter},
        {39, 39, kGroup, DescribeDisplay, CheckModuleAndCounter, RunDisplay, counter},
        {40, 40, kGroup, DescribeMessage, CheckMessage, RunMessage, message},
    };
    return table;
}

}  // namespace model::families
