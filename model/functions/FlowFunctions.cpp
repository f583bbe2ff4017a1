// Blank, Wait, Repeat Lines, Control a Page and End Page lines.
#include "model/LineText.h"
#include "model/Machine.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/functions/Families.h"
#include "model/functions/LineRules.h"

namespace model::families {

namespace {

constexpr int kMovePage = 4;  // the action of Control a Page that names a line

std::string DescribeBlank(const Program&, const PgmRecord&) {
    return "Blank";
}

std::string DescribeEndPage(const Program&, const PgmRecord&) {
    return "End Page";
}

void CheckNothing(const LineContext&, const PgmRecord&, std::vector<LineError>&) {}

void RunBlank(Machine& m, const PgmRecord&) {
    m.GoOn();
}

void RunEndPage(Machine& m, const PgmRecord&) {
    m.EndPage();
}

std::string DescribeWait(const Program&, const PgmRecord& r) {
    const double seconds = (r.P1() * 256 + r.P2()) + r.P3() / 100.0;
    return "Wait " + Fix2(seconds) + rules::SecondsUnit(seconds);
}

void CheckWait(const LineContext&, const PgmRecord& r, std::vector<LineError>& e) {
    if (rules::Hundredths(r.P1() * 256L + r.P2(), r.P3()) > rules::kMaxHundredths) {
        e.push_back({40, ""});
    }
}

// The line runs once a step for as many steps as its time; it counts them in its memory, so
// that a frozen page's wait is paused. Waits of 0.00 and 0.01 take one step.
void RunWait(Machine& m, const PgmRecord& r) {
    long& steps = m.LineMemory();
    if (m.FirstRun())
        steps = 0;
    if (++steps >= rules::Hundredths(r.P1() * 256L + r.P2(), r.P3()))
        m.GoOn();
}

long RepeatCount(const PgmRecord& r) {
    return r.P2() * 256L + r.P3();
}

std::string DescribeRepeat(const Program&, const PgmRecord& r) {
    return "Repeat from Line " + Dec(r.P1() + 1) + ", " + Dec(RepeatCount(r)) +
           rules::TimesUnit(RepeatCount(r));
}

void CheckRepeat(const LineContext& ctx, const PgmRecord& r, std::vector<LineError>& e) {
    if (ctx.firstLineOfPage)
        e.push_back({1, ""});
    const bool pageA = ctx.page == 0;
    rules::CheckPageLimit(pageA, r.P1() > (pageA ? 199 : 74), e);
    if (RepeatCount(r) > MaxQuantity(Quantity::RepeatCount))
        e.push_back({41, ""});
}

// The memory counts the times the line went back; it starts again once the page passes.
void RunRepeat(Machine& m, const PgmRecord& r) {
    long& repeated = m.LineMemory();
    if (repeated < RepeatCount(r)) {
        ++repeated;
        m.JumpTo(r.P1() + 1);
    } else {
        repeated = 0;
        m.GoOn();
    }
}

std::string DescribeControlPage(const Program&, const PgmRecord& r) {
    const std::string page(1, static_cast<char>(64 + r.P1()));
    switch (r.P2()) {
        case 1:
            return "Freeze Page " + page;
        case 2:
            return "Thaw Page " + page;
        case 3:
            return "Reset Page " + page;
        case kMovePage:
            return "Move Page " + page + " to Line " + Dec(r.P3() + 1);
        default:
            return std::string();
    }
}

// Only a move names a line, and the limit is that of the page it moves.
void CheckControlPage(const LineContext&, const PgmRecord& r, std::vector<LineError>& e) {
    if (r.P2() != kMovePage)
        return;
    if (r.P1() == 1)
        rules::CheckPageLimit(true, r.P3() > 199, e);
    if (r.P1() >= 2)
        rules::CheckPageLimit(false, r.P3() > 74, e);
}

// The acting page goes on before the action, so a page that freezes itself goes on after
// the Freeze line when thawed.
void RunControlPage(Machine& m, const PgmRecord& r) {
    const int page = r.P1();
    if (page < 1 || page > kPageCount) {
        m.Stop("There is no page " + Dec(page) + " to control.");
        return;
    }
    const int line = r.P3() + 1;
    const auto action = static_cast<PageAction>(r.P2());
    if (action == PageAction::Move && line > PageCapacity(page - 1)) {
        m.Stop(ErrorMessageText(page == 1 ? 10 : 11));
        return;
    }
    m.GoOn();
    m.ControlPage(page, action, line);
}

// Control a Page (F 11): the action is P2, and only a move names a line, in P3.
FunctionInfo PageControl(int action, Param p3) {
    const LineFields fields{{Param::Page, Param::Operation, p3}};
    const ExecuteFn run = action == kOtherOperation ? rules::RunUnreadable : RunControlPage;
    return {11,     11,    FunctionGroup::ControlPage, DescribeControlPage, CheckControlPage, run,
            fields, action};
}

}  // namespace

const std::vector<FunctionInfo>& Flow() {
    using P = Param;
    constexpr LineFields nothing{{P::Unused, P::Unused, P::Unused}};
    constexpr LineFields wait{{P::Quantity, P::Quantity, P::Quantity}, Quantity::WaitTime};
    constexpr LineFields repeat{{P::LineOffset, P::Quantity, P::Quantity}, Quantity::RepeatCount};
    static const std::vector<FunctionInfo> table{
        {0, 0, FunctionGroup::Blank, DescribeBlank, CheckNothing, RunBlank, nothing},
        {9, 9, FunctionGroup::Wait, DescribeWait, CheckWait, RunWait, wait},
        {10, 10, FunctionGroup::RepeatLines, DescribeRepeat, CheckRepeat, RunRepeat, repeat},
        PageControl(1, P::Unused),
        PageControl(2, P::Unused),
        PageControl(3, P::Unused),
        PageControl(kMovePage, P::LineOffset),
        PageControl(kOtherOperation, P::Unused),
        {12, 12, FunctionGroup::EndPage, DescribeEndPage, CheckNothing, RunEndPage, nothing},
    };
    return table;
}

}  // namespace model::families
