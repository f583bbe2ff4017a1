// frmBIOSReg ("BIOS Registers"): one register at a time, chosen with a slider, its four bytes
// in four fields that write into the program as they are typed. No OK and no Cancel.
#pragma once

#include <QDialog>
#include <array>

#include "hardware/BiosRegisterEditor.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace hardware {

class BiosRegisterDialog : public QDialog {
    Q_OBJECT

  public:
    BiosRegisterDialog(BiosRegisterEditor& editor, QWidget* parent = nullptr);

  private:
    void ShowRegister(int reg);

    BiosRegisterEditor& editor_;
    QSlider* slider_ = nullptr;
    QLabel* number_ = nullptr;
    std::array<QLineEdit*, 4> bytes_{};
};

}  // namespace hardware
