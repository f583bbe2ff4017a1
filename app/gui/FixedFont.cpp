// The fixed-pitch font.
#include "app/gui/FixedFont.h"

#include <QFontDatabase>

namespace gui {

QFont FixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace gui
