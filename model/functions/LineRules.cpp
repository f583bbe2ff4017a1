// Pieces of line text and line checks that several function families share.
#include "model/functions/LineRules.h"

#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/Machine.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace model::rules {

std::string IOText(const Program& program, int bcdByte, model::Direction d) {
    const int k = model::BcdNumber(bcdByte);
    return k < 0 ? Hex(bcdByte) : program.IOName[k][d];
}

std::string StatusText(int value) {
    return value != 0 ? " For Status ON" : " For Status OFF";
}

std::string JumpText(int jumpLine) {
    return jumpLine > 0 ? "  If NOT, Move to Line " + Dec(jumpLine) : std::string();
}

std::string SecondsUnit(double seconds) {
    return seconds == 1.0 ? " Second" : " Seconds";
}

std::string TimesUnit(long count) {
    return count == 1 ? " Time" : " Times";
}

std::string DisplayItText(int flag) {
    return flag == 1 ? " and display it" : std::string();
}

long Hundredths(long wholeSeconds, long hundredths) {
    return wholeSeconds * 100 + hundredths;
}

int MessageNumber(int bcdByte) {
    const int n = model::BcdNumber(bcdByte);
    return n < 0 ? 100 : n;
}

void CheckPageLimit(bool pageA, bool beyond, std::vector<LineError>& errors) {
    if (beyond)
        errors.push_back({pageA ? 10 : 11, ""});
}

void CheckJumpLine(const LineContext& ctx, int jumpLine, std::vector<LineError>& errors) {
    const bool pageA = ctx.page == 0;
    CheckPageLimit(pageA, jumpLine > (pageA ? 200 : 75), errors);
}

void CheckInstalled(const LineContext& ctx, int bcdByte, model::Direction d, int error,
                    const char* prefix, std::vector<LineError>& errors) {
    if (model::KindOfBcd(ctx.program, bcdByte, d) == model::kNotInstalled) {
        errors.push_back({error, prefix});
    }
}

bool IsAnalog(const LineContext& ctx, int bcdByte, model::Direction d) {
    return model::KindOfBcd(ctx.program, bcdByte, d) == model::kAnalog;
}

bool IsDigital(const LineContext& ctx, int bcdByte, model::Direction d) {
    return model::KindOfBcd(ctx.program, bcdByte, d) == model::kDigital;
}

void AfterCheck(Machine& m, bool holds, int jumpLine) {
    if (holds)
        m.GoOn();
    else if (jumpLine > 0)
        m.JumpTo(jumpLine);
}

void RunUnreadable(Machine& m, const PgmRecord&) {
    m.Stop(ErrorMessageText(0));
}

}  // namespace model::rules
