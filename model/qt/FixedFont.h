// The font of the controls whose rows line up in columns: the line list, its heading, the
// comment box and the error log.
#pragma once

#include <QFont>

namespace model {

// The desktop's fixed-pitch font, asked for so that a desktop without one, or whose fixed font
// names a family this machine lacks, still gets a fixed-pitch family from the font matcher.
QFont FixedPitchFont();

}  // namespace model
