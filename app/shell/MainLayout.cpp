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

Size SnapToMinimum(Size outer) {
    const Size least = MinimumOuterSize();
    return {std::max(outer.Width, least.Width), std::max(outer.Height, least.Height)};
}

MainLayout LayOutMainWindow(Size inner) {
    const int w = inner.Width * kTwipsPerPixel;
    const int h = inner.Height * kTwipsPerPixel;
    MainLayout l{};
    l.PageLabel = InPixels(kLeft, 150, kBoxLeft - kLeft, 300);
    l.PageName = InPixels(kBoxLeft, 105, w - 1545, 330);
    l.LineHeading = InPixels(kLeft, 510, w - 465, 255);
    l.PageList = InPixels(kLeft, 780, w - 465, h - 3225);
    l.CommentLabel = InPixels(kLeft, h - 2355, kBoxLeft - kLeft, 300);
    l.Comment = InPixels(kBoxLeft, h - 2385, w - 1545, 960);
    l.Editor = InPixels(kLeft, h - 1380, w - kLeft - kRightGap - kButtonsWidth - 60, 1080);
    l.Buttons = InPixels(w - kRightGap - kButtonsWidth, h - 1380, kButtonsWidth, 450);
    l.XFerStat = InPixels(kLeft, h - 270, kStatusWidth, 255);
    l.Progress = InPixels(kLeft + kStatusWidth + 120, h - 270, kStatusWidth, 255);
    l.Mode = InPixels(w - 1590, h - 270, 1470, 255);
    return l;
}

}  // namespace shell
