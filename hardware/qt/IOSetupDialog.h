// frmIOSetup ("I/O Module Setup"): the fitted blocks, their input and output counts, the analog
// choice of blocks 10, 80 and 90, and the two modules, shown from the I/O setup's working copy.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "hardware/IOSetup.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QMenu;
class QRadioButton;

namespace hardware {

class IOSetupDialog : public QDialog {
    Q_OBJECT

  public:
    // Asked before OK clears a module that holds settings; true clears it, false returns to
    // the dialog.
    using ConfirmRemoval = std::function<bool(Module module)>;

    // Names and input speeds of a block, set from the right-click on its label, go into
    // `program` when their own dialog is confirmed.
    IOSetupDialog(IOSetup& setup, model::Program& program, ConfirmRemoval confirm,
                  QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Row {
        QLabel* Label = nullptr;
        QCheckBox* Installed = nullptr;
        QComboBox* Inputs = nullptr;
        QComboBox* Outputs = nullptr;
        QRadioButton* Analog = nullptr;  // blocks 10, 80 and 90 only
        QRadioButton* Digital = nullptr;
    };

    QGridLayout* BuildRows();
    void Show();
    void Confirm();
    void NameBlock();
    void SetBlockSpeeds();

    IOSetup& setup_;
    model::Program& program_;
    int selBlock_ = 0;  // the block whose names or speeds are being set
    ConfirmRemoval confirm_;
    std::array<Row, model::kPositionCount> rows_{};
    QCheckBox* timer_ = nullptr;
    QCheckBox* counter_ = nullptr;
    QMenu* blockMenu_ = nullptr;
};

}  // namespace hardware
