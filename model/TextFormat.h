// Number and text formats shared by the line list, the export and the editors.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace model {

// Decimal text without padding: 7, 1000, -3.
std::string Dec(long value);

// "0.00": at least one digit before the point, two after, rounded to the nearest hundredth.
std::string Fix2(double value);

// Shortest decimal text, no trailing zeros or point: 1.5, 300, 0.01.
std::string Real(double value);

// Upper-case hexadecimal without leading zeros; a negative 16-bit value shows its two's
// complement (FFFF for -1).
std::string Hex(int value);

// The analog output byte of 100 percent.
constexpr int kAnalogFull = 160;

// The percentage text of an analog output byte: BCD below kAnalogFull reads as its digits, 160
// and up as a number (160 is "100").
std::string PercentText(int byte);

// A number's digits preceded by one space (its sign position): " 6", " 10".
std::string SpacedNumber(long value);

// Pads line with spaces until its next character falls in 1-based column. A line already past
// the column gets one space, so that its fields stay apart.
void PadToColumn(std::string& line, int column);

// The leading numeric part of a text, blanks ignored: "12AB" gives 12, " 1 2" gives 12,
// "-3.5x" gives -3.5, empty or non-numeric text gives 0.
double LeadingNumber(std::string_view text);

// The comment in pieces of 60 characters starting at characters 1, 61, 121 and 181, up to the
// first empty piece.
class CommentPieces {
  public:
    explicit CommentPieces(std::string_view comment);
    const std::string_view* begin() const { return pieces_.data(); }
    const std::string_view* end() const { return pieces_.data() + count_; }
    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::string_view operator[](std::size_t i) const { return pieces_[i]; }

  private:
    std::array<std::string_view, 4> pieces_;
    std::size_t count_ = 0;
};

}  // namespace model
