// Output and Check Output lines.
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

std::string DescribeCheckOutput(const Program& program, const PgmRecord& r) {
    return "Check Output " + IOText(program, r.P1(), kOutput) + rules::StatusText(r.P2()) +
           rules::JumpText(r.P3());
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
        {255, 255, kOutput, DescribeOn, CheckSwitch, output},
        {254, 254, kOutput, DescribeOff, CheckSwitch, output},
        {128, 227, kOutput, DescribeTimed, CheckTimed, timed},
        {253, 253, kOutput, DescribeSet, CheckAnalog, percentage},
        {252, 252, kOutput, DescribeIncrease, CheckAnalog, percentage},
        {251, 251, kOutput, DescribeDecrease, CheckAnalog, percentage},
        {8, 8, FunctionGroup::CheckOutput, DescribeCheckOutput, CheckSwitch, statusCheck},
    };
    return table;
}

}  // namespace model::families
