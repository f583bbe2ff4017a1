// frmInpSpeed ("Input Speed"): the input speed of each of one position's eight inputs, shown
// from the speeds' working copy. The caller writes them on OK.
#pragma once

#include <QDialog>

#include "hardware/BlockInputSpeeds.h"

namespace hardware {

class InputSpeedDialog : public QDialog {
    Q_OBJECT

  public:
    InputSpeedDialog(BlockInputSpeeds& speeds, QWidget* parent = nullptr);
};

}  // namespace hardware
