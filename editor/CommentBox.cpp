// The comment box's layout rules.
#include "editor/CommentBox.h"

namespace editor {

namespace {

constexpr std::size_t kMaxBoxLength = 246;

}  // namespace

std::string CommentOfBoxText(std::string_view boxText) {
    std::string comment;
    for (char c : boxText) {
        if (c != '\r' && c != '\n')
            comment.push_back(c);
    }
    if (comment.size() > kCommentLength)
        comment.resize(kCommentLength);
    return comment;
}

std::string BoxTextOfComment(std::string_view comment) {
    std::string box;
    for (std::size_t part = 0; part < 4; ++part) {
        const std::size_t start = part * kCommentRowLength;
        if (start >= comment.size())
            break;
        const std::string_view piece = comment.substr(start, kCommentRowLength);
        box += piece;
        if (part < 3 && piece.size() == kCommentRowLength)
            box += "\r\n";
    }
    return box;
}

int CaretAfterRelay(const std::string& boxText, int p) {
    const bool atRowEnd = p == 60 || p == 122 || p == 184;
    const auto at = static_cast<std::size_t>(p);
    return atRowEnd && at + 2 <= boxText.size() && boxText.compare(at, 2, "\r\n") == 0 ? p + 2 : p;
}

int EnterPadding(int p) {
    if (p >= 1 && p <= 60)
        return 60 - p;
    if (p >= 62 && p <= 122)
        return 122 - p;
    if (p >= 124 && p <= 184)
        return 184 - p;
    return 0;
}

bool CommentKeyAccepted(std::size_t boxLength, char typed) {
    return typed != '"' && boxLength <= kMaxBoxLength;
}

}  // namespace editor
