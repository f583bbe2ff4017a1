// The link's waits in the window application: a nested event loop, so windows repaint and the
// user can cancel while a transfer waits for the unit.
#pragma once

#include <QObject>
#include <QTimer>

#include "link/EventPump.h"
#include "link/qt/QtSerialPort.h"

class QEventLoop;

namespace comm {

class QtEventPump : public QObject, public EventPump {
    Q_OBJECT
  public:
    QtEventPump(QtSerialPort& port, const Clock& clock, Serviced& link, QObject* parent = nullptr);

    WaitResult PumpUntil(const std::function<bool()>& done, Millis timeoutMs) override;
    void Cancel() override;
    void ClearCancel() override { cancelled_ = false; }

  private:
    struct Wait;
    void Check();

    QtSerialPort& port_;
    const Clock& clock_;
    Serviced& link_;
    QTimer timer_;
    bool cancelled_ = false;
    Wait* wait_ = nullptr;  // the innermost running wait
};

}  // namespace comm
