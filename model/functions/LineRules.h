// Pieces of line text and line checks that several function families share.
#pragma once

#include <string>
#include <vector>

#include "model/FunctionTable.h"
#include "model/IOTables.h"

namespace model::rules {

// Name of the input or output a BCD byte holds, as stored. A byte that is not valid BCD shows
// its hexadecimal digits, so the listing never names an I/O the line does not address.
std::string IOText(const Program& program, int bcdByte, model::Direction d);

// " For Status ON" / " For Status OFF".
std::string StatusText(int value);

// "  If NOT, Move to Line n" for a jump line above 0, otherwise empty.
std::string JumpText(int jumpLine);

// " Second" for exactly 1, otherwise " Seconds"; likewise " Time" / " Times".
std::string SecondsUnit(double seconds);
std::string TimesUnit(long count);

// " and display it" when the flag byte is 1.
std::string DisplayItText(int flag);

// Time in hundredths of a second; the checks compare these exactly.
long Hundredths(long wholeSeconds, long hundredths);
constexpr long kMaxHundredths =
    static_cast<long>(MaxQuantity(Quantity::WaitTime) * 100 + 0.5);  // 59999.99 seconds

// A BCD message number, or a number above every message for a byte that is not valid BCD.
int MessageNumber(int bcdByte);

// Error 10 or 11 for a jump line beyond the page.
void CheckJumpLine(const LineContext& ctx, int jumpLine, std::vector<LineError>& errors);

// Error 10 (page A) or 11 (pages B..F) when condition holds.
void CheckPageLimit(bool pageA, bool beyond, std::vector<LineError>& errors);

// Error `error` for a line that uses an input or output that is not installed.
void CheckInstalled(const LineContext& ctx, int bcdByte, model::Direction d, int error,
                    const char* prefix, std::vector<LineError>& errors);

bool IsAnalog(const LineContext& ctx, int bcdByte, model::Direction d);
bool IsDigital(const LineContext& ctx, int bcdByte, model::Direction d);

// A check line run: on when its condition holds; otherwise to its jump line, or, without
// one, the same line again at the next step.
void AfterCheck(Machine& m, bool holds, int jumpLine);

// A line the controller cannot read (an unknown code, or an operation its code does not have)
// stops its page.
void RunUnreadable(Machine& m, const PgmRecord& r);

}  // namespace model::rules
