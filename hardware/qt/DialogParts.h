// Pieces the hardware dialogs share: indexed controls and the OK and Cancel row.
#pragma once

#include "model/qt/Indexed.h"

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace hardware {

using model::Indexed;

// "OK", the default button, which accepts the dialog, and "Cancel", which rejects it, right
// aligned.
QHBoxLayout* OkCancelRow(QDialog* dialog, const char* okName, const char* cancelName);

}  // namespace hardware
