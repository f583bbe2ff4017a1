// Check Input and Compare Inputs lines.
#include "model/HardwareConfig.h"
#include "model/Machine.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

using model::kInput;
using rules::IOText;

std::string DescribeDigitalCheck(const Program& program, const PgmRecord& r) {
    return "Check Input " + IOText(program, r.P1(), kInput) + rules::StatusText(r.P2()) +
           rules::JumpText(r.P3());
}

void CheckDigitalCheck(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    rules::CheckInstalled(ctx, r.P1(), kInput, 20, "", e);
    if (rules::IsAnalog(ctx, r.P1(), kInput))
        e.push_back({22, ""});
}

void RunDigitalCheck(Machine& m, const PgmRecord& r) {
    rules::AfterCheck(m, m.InputOn(BcdNumber(r.P1())) == (r.P2() != 0), r.P3());
}

std::string DescribeLevel(const Program& program, const PgmRecord& r, const char* direction) {
    return "Check Input " + IOText(program, r.P1(), kInput) + " for voltage " + direction + " " +
           Fix2(r.P2() * 0.04) + rules::JumpText(r.P3());
}

std::string DescribeAbove(const Program& program, const PgmRecord& r) {
    return DescribeLevel(program, r, "ABOVE");
}

std::string DescribeBelow(const Program& program, const PgmRecord& r) {
    return DescribeLevel(program, r, "BELOW");
}

void CheckLevel(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    rules::CheckInstalled(ctx, r.P1(), kInput, 20, "", e);
    if (rules::IsDigital(ctx, r.P1(), kInput))
        e.push_back({21, ""});
    if (r.P2() > 255)
        e.push_back({23, ""});
}

// A level is P2 steps of 0.04 V; the input must be strictly beyond it.
constexpr int kCentivoltsPerStep = 4;

void RunAbove(Machine& m, const PgmRecord& r) {
    const int volts = m.InputCentivolts(BcdNumber(r.P1()));
    rules::AfterCheck(m, volts > r.P2() * kCentivoltsPerStep, r.P3());
}

void RunBelow(Machine& m, const PgmRecord& r) {
    const int volts = m.InputCentivolts(BcdNumber(r.P1()));
    rules::AfterCheck(m, volts < r.P2() * kCentivoltsPerStep, r.P3());
}

const char* CompareSuffix(int f) {
    switch (f) {
        case 2:
            return " for ALL ON";
        case 3:
            return " for ALL OFF";
        case 4:
            return " for ANY ON";
        default:
            return " for ANY OFF";
    }
}

std::string DescribeCompare(const Program& program, const PgmRecord& r) {
    std::string text = "Compare Inputs " + IOText(program, r.P1(), kInput);
    if (r.P3() < 1) {
        text += " & " + IOText(program, r.P2(), kInput);
    } else {
        text += ", " + IOText(program, r.P2(), kInput) + ", & " + IOText(program, r.P3(), kInput);
    }
    return text + CompareSuffix(r.F());
}

void CheckCompare(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    struct Operand {
        int byte;
        const char* prefix;
    };
    std::vector<Operand> operands{{r.P1(), "First"}, {r.P2(), "Second"}};
    if (r.P3() >= 1)
        operands.push_back({r.P3(), "Third"});
    for (const Operand& op : operands)
        rules::CheckInstalled(ctx, op.byte, kInput, 20, op.prefix, e);
    for (const Operand& op : operands) {
        if (rules::IsAnalog(ctx, op.byte, kInput))
            e.push_back({24, op.prefix});
    }
}

// Compare Inputs has no jump line: it waits until its inputs agree.
void RunCompare(Machine& m, const PgmRecord& r) {
    const auto onCount = [&m](int bcdByte) { return m.InputOn(BcdNumber(bcdByte)) ? 1 : 0; };
    int inputs = 2;
    int on = onCount(r.P1()) + onCount(r.P2());
    if (r.P3() >= 1) {
        ++inputs;
        on += onCount(r.P3());
    }
    bool holds = false;
    switch (r.F()) {
        case 2:
            holds = on == inputs;
            break;
        case 3:
            holds = on == 0;
            break;
        case 4:
            holds = on > 0;
            break;
        default:
            holds = on < inputs;
            break;
    }
    if (holds)
        m.GoOn();
}

}  // namespace

const std::vector<FunctionInfo>& Inputs() {
    using P = Param;
    constexpr LineFields status{
        {P::Input, P::Status, P::JumpLine}, Quantity::None, IONeed::Digital};
    constexpr LineFields level{
        {P::Input, P::Quantity, P::JumpLine}, Quantity::Level, IONeed::Analog};
    constexpr LineFields inputs{{P::Input, P::Input, P::Input}};
    constexpr FunctionGroup kCompare = FunctionGroup::CompareInputs;
    static const std::vector<FunctionInfo> table{
        {1, 1, FunctionGroup::CheckInput, DescribeDigitalCheck, CheckDigitalCheck, RunDigitalCheck,
         status},
        {13, 13, FunctionGroup::CheckInput, DescribeAbove, CheckLevel, RunAbove, level},
        {14, 14, FunctionGroup::CheckInput, DescribeBelow, CheckLevel, RunBelow, level},
        {2, 2, kCompare, DescribeCompare, CheckCompare, RunCompare, inputs},
        {3, 3, kCompare, DescribeCompare, CheckCompare, RunCompare, inputs},
        {4, 4, kCompare, DescribeCompare, CheckCompare, RunCompare, inputs},
        {5, 5, kCompare, DescribeCompare, CheckCompare, RunCompare, inputs},
    };
    return table;
}

}  // namespace model::families
