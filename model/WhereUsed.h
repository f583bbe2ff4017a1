// Where an input, an output, a timer, a counter or a panel message is used: the lines of every
// page (up to its End Page) with a parameter that names it.
#pragma once

#include <string>
#include <vector>

namespace model {

class Program;

enum class UsedKind { Input, Output, Timer, Counter, Message };

struct LineUse {
    int Page;          // 0..5
    int Line;          // 1-based, as the line list numbers it
    std::string Text;  // the line's description
};

std::vector<LineUse> WhereUsed(const Program& program, UsedKind kind, int number);

// What a line uses: each input, output, timer, counter and message its parameters name, in
// parameter order.
struct UsedItem {
    UsedKind Kind;
    int Number;
};
std::vector<UsedItem> ItemsOfLine(const Program& program, int record);

// "Input 12", "Timer 3", "Message 7".
std::string UsedItemName(UsedKind kind, int number);

}  // namespace model
