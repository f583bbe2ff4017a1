// The fixed-pitch font.
#include "model/qt/FixedFont.h"

#include <QFontDatabase>

namespace model {

QFont FixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace model
