// Check Input and Compare Inputs lines.
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
        {1, 1, FunctionGroup::CheckInput, DescribeDigitalCheck, CheckDigitalCheck, status},
        {13, 13, FunctionGroup::CheckInput, DescribeAbove, CheckLevel, level},
        {14, 14, FunctionGroup::CheckInput, DescribeBelow, CheckLevel, level},
        {2, 2, kCompare, DescribeCompare, CheckCompare, inputs},
        {3, 3, kCompare, DescribeCompare, CheckCompare, inputs},
        {4, 4, kCompare, DescribeCompare, CheckCompare, inputs},
        {5, 5, kCompare, DescribeCompare, CheckCompare, inputs},
    };
    return table;
}

}  // namespace model::families
