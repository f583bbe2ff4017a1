// Where the main window's controls stand for a given window size. The layout is drawn up in
// twips (1440 to the inch) and placed in pixels of 15 twips; the comment box and the function
// editor take the height their content needs, and the line list what is left.
#pragma once

#include <functional>

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
    Rect CommentLabel;  // lblComment, above the box so that the box has the whole width
    Rect Comment;       // txtComment
    Rect Editor;        // tlbFunction and the fields
    Rect Buttons;       // Insert, Delete, OK, Cancel
    Rect XFerStat;      // lblXFerStat
    Rect Progress;      // prgXFerStat
    Rect Mode;          // lblMode
};

// The smallest outer size of the window: 8025 by 8070 twips.
Size MinimumOuterSize();

// What the content of the lower part asks for, in pixels.
struct ContentHeights {
    int Comment;                              // txtComment showing its four rows whole
    std::function<int(int width)> ForEditor;  // the editor's height at a given width
};

// The controls' places for an inner size in pixels: the text boxes follow the width, the
// comment box and the editor take the heights asked for from the bottom up, the line list the
// rest, and the status row stays at the bottom.
MainLayout LayOutMainWindow(Size inner, const ContentHeights& content);

}  // namespace shell
