// The printed listing's sheets painted on a printer or a PDF writer, in the user's font.
#pragma once

#include <vector>

#include "files/Paginator.h"

class QFont;
class QPagedPaintDevice;

namespace files {

// Rows of `font` that fit on the device's printable area between the top margin and half an
// inch above its bottom; at least one.
int RowsThatFit(QPagedPaintDevice& device, const QFont& font, double topInches);

// Paints each sheet on a page of its own: rows one line of the font apart from the top margin,
// each run at its column (in average character widths of the font) or right after the run before
// it, bold and italic as the run says. False when the device cannot be painted on.
bool PaintSheets(QPagedPaintDevice& device, const std::vector<Sheet>& sheets, const QFont& font,
                 double leftInches, double topInches);

}  // namespace files
