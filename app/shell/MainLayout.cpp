// The main window's layout in twips.
#include "app/shell/MainLayout.h"

#include <algorithm>

namespace shell {

namespace {

constexpr int kMinOuterWidth = 8025;
constexpr int kMinOuterHeight = 8070;

constexpr int kLeft = 225;           // left edge of the list and the labels
constexpr int kBoxLeft = 1305;       // left edge of the page name and comment boxes
constexpr int kButtonsWidth = 3660;  // four buttons side by side
constexpr int kRightGap = 240;
constexpr int kStatusWidth = 3000;
constexpr int kGap = 60;  // between the rows of the lower part

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

Rect InPixels(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(std::max(width, 0)), Pixels(std::max(height, 0))};
}

}  // namespace

Size MinimumOuterSize() {
    return {Pixels(kMinOuterWidth), Pixels(kMinOuterHeight)};
}

MainLayout LayOutMainWindow(Size inner, const ContentHeights& content) {
    const int w = inner.Width * kTwipsPerPixel;
    const int h = inner.Height * kTwipsPerPixel;
    MainLayout l{};
    l.PageLabel = InPixels(kLeft, 150, kBoxLeft - kLeft, 300);
    l.PageName = InPixels(kBoxLeft, 105, w - 1545, 330);
    l.LineHeading = InPixels(kLeft, 510, w - 465, 255);
    l.XFerStat = InPixels(kLeft, h - 270, kStatusWidth, 255);
    l.Progress = InPixels(kLeft + kStatusWidth + 120, h - 270, kStatusWidth, 255);
    l.Mode = InPixels(w - 1590, h - 270, 1470, 255);

    // From the status row up: the editor with the line buttons beside it, the comment box, its
    // label; the list ends a small gap above the label.
    const Rect editorWidth = InPixels(kLeft, 0, w - kLeft - kRightGap - kButtonsWidth - 60, 0);
    const int editorHeight = content.ForEditor(editorWidth.Width);
    const int editorTop = l.XFerStat.Top - Pixels(kGap) - editorHeight;
    l.Editor = {editorWidth.Left, editorTop, editorWidth.Width, editorHeight};
    l.Buttons = InPixels(w - kRightGap - kButtonsWidth, 0, kButtonsWidth, 450);
    l.Buttons.Top = editorTop;
    const Rect wide = InPixels(kLeft, 0, w - kLeft - kRightGap, 300);
    l.Comment = {wide.Left, editorTop - Pixels(kGap) - content.Comment, wide.Width,
                 content.Comment};
    l.CommentLabel = {wide.Left, l.Comment.Top - wide.Height, Pixels(kBoxLeft - kLeft),
                      wide.Height};
    const Rect list = InPixels(kLeft, 780, w - 465, 0);
    l.PageList = {list.Left, list.Top, list.Width,
                  std::max(l.CommentLabel.Top - Pixels(kGap) - list.Top, 0)};
    return l;
}

}  // namespace shell
