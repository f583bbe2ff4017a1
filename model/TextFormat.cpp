// Number and text formats shared by the line list, the export and the editors.
#include "model/TextFormat.h"

#include <cmath>
#include <cstdio>

namespace model {

namespace {

constexpr std::size_t kCommentPieceLength = 60;
constexpr std::size_t kCommentPieceCount = 4;

}  // namespace

std::string Dec(long value) {
    return std::to_string(value);
}

std::string Fix2(double value) {
    char text[48];
    // Round half away from zero at the hundredths, whatever the binary representation.
    const double rounded = std::round(value * 100.0) / 100.0;
    std::snprintf(text, sizeof text, "%.2f", rounded);
    return text;
}

std::string Real(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string Hex(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value) & 0xFFFFu);
    return text;
}

std::string PercentText(int byte) {
    return byte < kAnalogFull ? Hex(byte) : Dec(byte - 60);
}

std::string SpacedNumber(long value) {
    return value < 0 ? Dec(value) : " " + Dec(value);
}

void PadToColumn(std::string& line, int column) {
    const std::size_t target = static_cast<std::size_t>(column - 1);
    if (line.size() < target) {
        line.append(target - line.size(), ' ');
    } else if (line.size() > target) {
        line.push_back(' ');
    }
}

double LeadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            compact.push_back(c);
    }
    std::size_t i = 0;
    double sign = 1.0;
    if (i < compact.size() && (compact[i] == '-' || compact[i] == '+')) {
        sign = compact[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    for (; i < compact.size() && compact[i] >= '0' && compact[i] <= '9'; ++i) {
        value = value * 10.0 + (compact[i] - '0');
    }
    if (i < compact.size() && compact[i] == '.') {
        double scale = 0.1;
        for (++i; i < compact.size() && compact[i] >= '0' && compact[i] <= '9'; ++i) {
            value += (compact[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return sign * value;
}

CommentPieces::CommentPieces(std::string_view comment) {
    for (; count_ < kCommentPieceCount; ++count_) {
        const std::size_t start = count_ * kCommentPieceLength;
        if (start >= comment.size())
            break;
        pieces_[count_] = comment.substr(start, kCommentPieceLength);
    }
}

}  // namespace model
