// The line list and error log rows of a page.
#include "model/PageListing.h"

#include "model/LineText.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace model {

namespace {

constexpr int kEndPage = 12;

std::string LogRowText(int lineNumber, const LineError& error) {
    return "Line " + Dec(lineNumber) + ":  " + error.Prefix + " " + ErrorMessageText(error.Number) +
           " ";
}

}  // namespace

std::string LineRowText(int lineNumber, const std::string& description) {
    const std::string number = SpacedNumber(lineNumber);
    const int lead = 8 - 2 * static_cast<int>(number.size());
    std::string row(lead > 0 ? lead : 0, ' ');
    row.reserve(row.size() + number.size() + 10 + description.size());
    row += number;
    row.append(10, ' ');
    row += description;
    return row;
}

std::string CommentRowText(std::string_view piece) {
    std::string row;
    row.reserve(20 + piece.size());
    row.append(20, ' ');
    row += piece;
    return row;
}

PageListing ListPage(const Program& program, int page) {
    PageListing listing;
    listing.Rows.reserve(64);
    const int base = PageBase(page);
    for (int r = base; r <= base + PageLast(page); ++r) {
        const int lineNumber = r - base + 1;
        const int row = static_cast<int>(listing.Rows.size());
        listing.Rows.push_back({LineRowText(lineNumber, DescribeLine(program, r)), lineNumber});
        for (const LineError& error : CheckLine(program, page, r)) {
            listing.Errors.push_back({LogRowText(lineNumber, error), row});
        }
        for (std::string_view piece : CommentPieces(program.PgmData[r].Comment)) {
            listing.Rows.push_back({CommentRowText(piece), 0});
        }
        if (program.PgmData[r].F() == kEndPage)
            break;
    }
    return listing;
}

}  // namespace model
