// Output and Check Output lines.
#include <algorithm>

#include "model/HardwareConfig.h"
#include "model/Machine.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

using model::kOutput;
using rules::IOText;

std::string DescribeOn(const Program& program, const PgmRecord& r) {
    return "Turn ON Output " + IOText(program, r.P1(), kOutput);
}

std::string DescribeOff(const Program& program, const PgmRecord& r) {
    return "Turn OFF Output " + IOText(program, r.P1(), kOutput);
}

int OutputOf(const PgmRecord& r) {
    return BcdNumber(r.P1());
}

void RunOn(Machine& m, const PgmRecord& r) {
    m.SwitchOutput(OutputOf(r), true);
    m.GoOn();
}

void RunOff(Machine& m, const PgmRecord& r) {
    m.SwitchOutput(OutputOf(r), false);
    m.GoOn();
}

// Turn ON, Turn OFF and Check Output ask only for a fitted output.
void CheckSwitch(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    rules::CheckInstalled(ctx, r.P1(), kOutput, 30, "", e);
}

std::string DescribeTimed(const Program& program, const PgmRecord& r) {
    const double seconds = (r.P2() * 256 + r.P3()) + (r.F() - 128) / 100.0;
    return DescribeOn(program, r) + " for " + Fix2(seconds) + rules::SecondsUnit(seconds);
}

void CheckTimed(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    rules::CheckInstalled(ctx, r.P1(), kOutput, 30, "", e);
    if (rules::Hundredths(r.P2() * 256L + r.P3(), r.F() - 128) > rules::kMaxHundredths) {
        e.push_back({40, ""});
    }
}

// The output stays on for its time while the page goes on at once.
void RunTimed(Machine& m, const PgmRecord& r) {
    m.PulseOutput(OutputOf(r), rules::Hundredths(r.P2() * 256L + r.P3(), r.F() - 128));
    m.GoOn();
}

std::string DescribeAnalog(const Program& program, const PgmRecord& r, const char* verb,
                           const char* preposition) {
    return std::string(verb) + " Output " + IOText(program, r.P1(), kOutput) + preposition +
           PercentText(r.P3()) + "%";
}

std::string DescribeSet(const Program& program, const PgmRecord& r) {
    return DescribeAnalog(program, r, "Set", " to ");
}

std::string DescribeIncrease(const Program& program, const PgmRecord& r) {
    return DescribeAnalog(program, r, "Increase", " by ");
}

// The two blanks after "by" are the controller's own text.
std::string DescribeDecrease(const Program& program, const PgmRecord& r) {
    return DescribeAnalog(program, r, "Decrease", " by  ");
}

void CheckAnalog(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    rules::CheckInstalled(ctx, r.P1(), kOutput, 30, "", e);
    if (rules::IsDigital(ctx, r.P1(), kOutput))
        e.push_back({31, ""});
    if (r.P3() > kAnalogFull)
        e.push_back({32, ""});
}

// The percentage a byte holds: BCD below kAnalogFull, 100 from kAnalogFull on (a byte above it
// asks for more than an output gives).
int PercentOf(int byte) {
    return byte < kAnalogFull ? (byte >> 4) * 10 + (byte & 0x0F) : 100;
}

// Sets the output to `percent`, held within 0..100.
void SetClamped(Machine& m, const PgmRecord& r, int percent) {
    m.SetAnalogOutput(OutputOf(r), std::clamp(percent, 0, 100));
    m.GoOn();
}

void RunSet(Machine& m, const PgmRecord& r) {
    SetClamped(m, r, PercentOf(r.P3()));
}

void RunIncrease(Machine& m, const PgmRecord& r) {
    SetClamped(m, r, m.AnalogOutput(OutputOf(r)) + PercentOf(r.P3()));
}

void RunDecrease(Machine& m, const PgmRecord& r) {
    SetClamped(m, r, m.AnalogOutput(OutputOf(r)) - PercentOf(r.P3()));
}

std::string DescribeCheckOutput(const Program& program, const PgmRecord& r) {
    return "Check Output " + IOText(program, r.P1(), kOutput) + rules::StatusText(r.P2()) +
           rules::JumpText(r.P3());
}

void RunCheckOutput(Machine& m, const PgmRecord& r) {
    rules::AfterCheck(m, m.OutputOn(OutputOf(r)) == (r.P2() != 0), r.P3());
}

}  // namespace

const std::vector<FunctionInfo>& Outputs() {
    using P = Param;
    constexpr FunctionGroup kOutput = FunctionGroup::Output;
    constexpr LineFields output{{P::Output, P::Unused, P::Unused}};
    constexpr LineFields timed{{P::Output, P::Quantity, P::Quantity}, Quantity::OutputTime};
    constexpr LineFields statusCheck{{P::Output, P::Status, P::JumpLine}};
    constexpr LineFields percentage{
        {P::Output, P::Unused, P::Percentage}, Quantity::None, IONeed::Analog};
    static const std::vector<FunctionInfo> table{
        {255, 255, kOutput, DescribeOn, CheckSwitch, RunOn, output},
        {254, 254, kOutput, DescribeOff, CheckSwitch, RunOff, output},
        {128, 227, kOutput, DescribeTimed, CheckTimed, RunTimed, timed},
        {253, 253, kOutput, DescribeSet, CheckAnalog, RunSet, percentage},
        {252, 252, kOutput, DescribeIncrease, CheckAnalog, RunIncrease, percentage},
        {251, 251, kOutput, DescribeDecrease, CheckAnalog, RunDecrease, percentage},
        {8, 8, FunctionGroup::CheckOutput, DescribeCheckOutput, CheckSwitch, RunCheckOutput,
         statusCheck},
    };
    return table;
}

}  // namespace model::families
