// Where the main window's controls stand for a given window size. The layout is drawn up in
// twips (1440 to the inch) and placed in pixels of 15 twips.
#pragma once

namespace shell {

constexpr int kTwipsPerPixel = 15;

struct Size {
    int Width;
    int Height;
    bool operator==(const Size& o) const { return Width == o.Width && Height == o.Height; }
};

struct Rect {
    int Left;
    int Top;
    int Width;
    int Height;
    bool operator==(const Rect& o) const {
        return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
    }
};

// Pixels, relative to the window's inner area.
struct MainLayout {
    Rect PageLabel;     // lblPage
    Rect PageName;      // txtPageName
    Rect LineHeading;   // lblLineNum
    Rect PageList;      // lstPage
    Rect CommentLabel;  // lblComment
    Rect Comment;       // txtComment
    Rect Editor;        // tlbFunction and the fields
    Rect Buttons;       // Insert, Delete, OK, Cancel
    Rect XFerStat;      // lblXFerStat
    Rect Progress;      // prgXFerStat
    Rect Mode;          // lblMode
};

// The smallest outer size of the window: 8025 by 8070 twips.
Size MinimumOuterSize();

// The outer size a resize ends at: each side at least its minimum.
Size SnapToMinimum(Size outer);

// The controls' places for an inner size in pixels: the text boxes and the line list follow the
// width, the line list the height, and the status row stays at the bottom.
MainLayout LayOutMainWindow(Size inner);

}  // namespace shell
