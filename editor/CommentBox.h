// The comment box's layout: up to four rows of 60 characters, each full row ended by CR LF,
// with caret positions counted as the box counts them (a line break is two characters).
#pragma once

#include <string>
#include <string_view>

namespace editor {

constexpr std::size_t kCommentLength = 240;
constexpr std::size_t kCommentRowLength = 60;

// The comment a box text stands for: line breaks removed, cut to 240 characters.
std::string CommentOfBoxText(std::string_view boxText);

// The box text for a comment: its 60-character parts, each full part of the first three
// followed by CR LF. Empty when the first part is.
std::string BoxTextOfComment(std::string_view comment);

// Where the caret goes after the box is re-laid with the caret at p: past the line break when
// p was at the end of a full row 1, 2 or 3.
int CaretAfterRelay(const std::string& boxText, int p);

// Blanks that Enter inserts at caret p to fill the rest of its row (none in row 4, or at 0).
int EnterPadding(int p);

// Whether a typed character goes into a box holding boxLength characters.
bool CommentKeyAccepted(std::size_t boxLength, char typed);

}  // namespace editor
