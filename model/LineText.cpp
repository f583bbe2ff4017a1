// Description and checks of a program line, by way of the function table.
#include "model/LineText.h"

#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/functions/LineRules.h"

namespace model {

std::string DescribeLine(const Program& program, int record) {
    const PgmRecord& r = program.PgmData[record];
    return LookupFunction(r.F(), r.P2()).Describe(program, r);
}

std::vector<LineError> CheckLine(const Program& program, int page, int record) {
    const PgmRecord& r = program.PgmData[record];
    const LineContext ctx{program, page, record == PageBase(page)};
    std::vector<LineError> errors;
    const FunctionInfo& function = LookupFunction(r.F(), r.P2());
    function.Check(ctx, r, errors);
    // A jump line beyond the page is reported last, whatever else the function checks.
    for (int i = 0; i < 3; ++i) {
        if (function.Fields.P[i] == Param::JumpLine)
            rules::CheckJumpLine(ctx, r.Code[i + 1], errors);
    }
    return errors;
}

const char* ErrorMessageText(int number) {
    switch (number) {
        case 0:
            return "Error reading the function code for this line.";
        case 1:
            return "Repeat Lines function cannot be used on line 1.";
        case 10:
            return "Maximum number of lines on Page A is 200.";
        case 11:
            return "Maximum number of lines on Pages B - F is 75.";
        case 20:
            return "Input is not installed.";
        case 21:
            return "Analog function used on a digital input.";
        case 22:
            return "Digital function used on an analog input";
        case 23:
            return "Maximum voltage allowed is 10.20 volts.";
        case 24:
            return "Input is analog and not allowed for this function.";
        case 30:
            return "Output is not installed.";
        case 31:
            return "Analog function used on a digital output.";
        case 32:
            return "Maximum analog output is 100%.";
        case 40:
            return "Maximum time allowed is 59999.99 seconds.";
        case 41:
            return "Maximum count allowed is 59999.";
        case 50:
            return "The Timer Module is not installed.";
        case 51:
            return "The Timer Module has 8 timers.";
        case 52:
            return "The Timer Module has 16 messages.";
        case 60:
            return "The Counter Module is not installed.";
        case 61:
            return "The Counter Module has 8 counters.";
        case 62:
            return "The Counter Module has 16 messages.";
        case 63:
            return "Maximum count to allowed to compare to is 4000.";
        default:
            return "";
    }
}

}  // namespace model
