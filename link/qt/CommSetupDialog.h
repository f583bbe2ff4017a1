// frmCommSetup, "Comm Port Setting": the serial port (None, Com 1..4) and the port speed.
#pragma once

#include <QDialog>
#include <functional>

namespace comm {

// The link settings the dialog edits: CommPortNumber 0..4 and CommSpeed 0..1.
struct CommChoice {
    int Port = 0;
    int Speed = 0;
};

class CommSetupDialog : public QDialog {
    Q_OBJECT
  public:
    // portAvailable(n) tells whether port n can be opened now. showMessage shows a plain
    // message box over the dialog.
    CommSetupDialog(const CommChoice& current, std::function<bool(int)> portAvailable,
                    std::function<void(const QString&)> showMessage, QWidget* parent = nullptr);

    // The choice made, valid once the dialog was accepted.
    CommChoice Choice() const { return pending_; }

  private:
    void Accept();

    CommChoice pending_;
    std::function<bool(int)> portAvailable_;
    std::function<void(const QString&)> showMessage_;
};

}  // namespace comm
