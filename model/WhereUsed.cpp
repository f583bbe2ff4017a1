// Finding the lines that use an input, an output, a timer, a counter or a message.
#include "model/WhereUsed.h"

#include "model/FunctionTable.h"
#include "model/HardwareConfig.h"
#include "model/LineText.h"
#include "model/PageGeometry.h"
#include "model/Program.h"

namespace model {

namespace {

constexpr int kEndPage = 12;

// What a parameter byte names, or -1 when it names nothing of kind.
int NumberIn(Param param, int byte, UsedKind& kind) {
    switch (param) {
        case Param::Input:
            kind = UsedKind::Input;
            return BcdNumber(byte);
        case Param::Output:
            kind = UsedKind::Output;
            return BcdNumber(byte);
        case Param::Timer:
            kind = UsedKind::Timer;
            return byte > kTimerBase ? byte - kTimerBase : -1;
        case Param::Counter:
            kind = UsedKind::Counter;
            return byte & 0x0F;
        case Param::Message:
            kind = UsedKind::Message;
            return BcdNumber(byte);
        default:
            return -1;
    }
}

}  // namespace

std::vector<UsedItem> ItemsOfLine(const Program& program, int record) {
    const PgmRecord& line = program.PgmData[record];
    const FunctionInfo& info = LookupFunction(line.F(), line.Code[2]);
    std::vector<UsedItem> items;
    for (int p = 0; p < 3; ++p) {
        UsedKind kind = UsedKind::Input;
        const int number = NumberIn(info.Fields.P[p], line.Code[p + 1], kind);
        if (number > 0)
            items.push_back({kind, number});
    }
    return items;
}

std::vector<LineUse> WhereUsed(const Program& program, UsedKind kind, int number) {
    std::vector<LineUse> uses;
    for (int page = 0; page < kPageCount; ++page) {
        const int base = PageBase(page);
        for (int r = base; r <= base + PageLast(page); ++r) {
            for (const UsedItem& item : ItemsOfLine(program, r)) {
                if (item.Kind == kind && item.Number == number) {
                    uses.push_back({page, r - base + 1, DescribeLine(program, r)});
                    break;
                }
            }
            if (program.PgmData[r].F() == kEndPage)
                break;
        }
    }
    return uses;
}

std::string UsedItemName(UsedKind kind, int number) {
    static const char* const kWords[] = {"Input ", "Output ", "Timer ", "Counter ", "Message "};
    return kWords[static_cast<int>(kind)] + std::to_string(number);
}

}  // namespace model
