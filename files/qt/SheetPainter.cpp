// Painting the listing's sheets.
#include "files/qt/SheetPainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "model/qt/ModelText.h"

namespace files {

int RowsThatFit(QPagedPaintDevice& device, const QFont& font, double topInches) {
    return files::RowsThatFit(device.height(), topInches,
                              QFontMetricsF(font, &device).lineSpacing(), device.logicalDpiY());
}

bool PaintSheets(QPagedPaintDevice& device, const std::vector<Sheet>& sheets, const QFont& font,
                 double leftInches, double topInches) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QFontMetricsF metrics(font, &device);
    const double left = leftInches * device.logicalDpiX();
    const double top = topInches * device.logicalDpiY() + metrics.ascent();
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (s > 0 && !device.newPage())
            return false;
        for (std::size_t r = 0; r < sheets[s].Rows.size(); ++r) {
            const double y = top + static_cast<double>(r) * metrics.lineSpacing();
            double x = left;
            for (const ListingRun& run : sheets[s].Rows[r].Runs) {
                QFont face = font;
                face.setBold(run.Style == RunStyle::Bold);
                face.setItalic(run.Style == RunStyle::Italic);
                painter.setFont(face);
                if (run.Column > 0)
                    x = std::max(x, left + (run.Column - 1) * metrics.averageCharWidth());
                const QString text = model::ToQString(run.Text);
                painter.drawText(QPointF(x, y), text);
                x += QFontMetricsF(face, &device).horizontalAdvance(text);
            }
        }
    }
    return painter.end();
}

}  // namespace files
