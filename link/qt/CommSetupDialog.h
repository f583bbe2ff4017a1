// frmCommSetup, "Comm Port Setting": the serial port (None, Com 1..4) with the device each
// Com n stands for, and the port speed.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "link/PortCheck.h"
#include "link/PortTable.h"

namespace comm {

// The link settings the dialog edits: CommPortNumber 0..4, CommSpeed 0..1 and the device
// setting of each Com n.
struct CommChoice {
    int Port = 0;
    int Speed = 0;
    PortSettings Devices;
};

class CommSetupDialog : public QDialog {
    Q_OBJECT
  public:
    // devices: the list beside each Com n (ChoicesFor). portAvailable tells whether the chosen
    // port can be opened now. showMessage shows a plain message box over the dialog.
    CommSetupDialog(const CommChoice& current, const std::array<PortChoices, 4>& devices,
                    std::function<PortCheck(const CommChoice&)> portAvailable,
                    std::function<void(const QString&)> showMessage, QWidget* parent = nullptr);

    // The choice made, valid once the dialog was accepted.
    CommChoice Choice() const { return pending_; }

  private:
    void Accept();

    CommChoice pending_;
    std::function<PortCheck(const CommChoice&)> portAvailable_;
    std::function<void(const QString&)> showMessage_;
};

}  // namespace comm
