// Each wait runs its own event loop and looks at the link whenever bytes arrive, a link timer
// or the wait's own time-out falls due, or the user cancels. Between waits the link is
// serviced the same way.
#include "link/qt/QtEventPump.h"

#include <QEventLoop>
#include <algorithm>

namespace comm {

struct QtEventPump::Wait {
    Wait(const std::function<bool()>& done, Millis deadline, Wait* outer)
        : Done(done), Deadline(deadline), Outer(outer) {}
    const std::function<bool()>& Done;
    Millis Deadline;
    QEventLoop Loop;
    // A loop that ends without an answer (the application is quitting) ends the command.
    WaitResult Result = WaitResult::Cancelled;
    Wait* Outer;
};

QtEventPump::QtEventPump(QtSerialPort& port, const Clock& clock, Serviced& link, QObject* parent)
    : QObject(parent), port_(port), clock_(clock), link_(link) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QtEventPump::Check);
    connect(&port_, &QtSerialPort::activity, this, &QtEventPump::Check);
}

WaitResult QtEventPump::PumpUntil(const std::function<bool()>& done, Millis timeoutMs) {
    if (done())
        return WaitResult::Done;
    Wait wait(done, clock_.Now() + std::max<Millis>(timeoutMs, 0), wait_);
    wait_ = &wait;
    Check();
    if (wait_ == &wait)
        wait.Loop.exec();
    wait_ = wait.Outer;
    // The outer wait, if any, needs its own time-out again.
    if (wait_ != nullptr)
        Check();
    return wait.Result;
}

void QtEventPump::Cancel() {
    cancelled_ = true;
    QMetaObject::invokeMethod(this, &QtEventPump::Check, Qt::QueuedConnection);
}

void QtEventPump::Check() {
    link_.Service();
    if (wait_ == nullptr) {
        // Between commands the unit still talks: identification, the speed set-up, the Pocket
        // Programmer's messages and the run trace.
        if (const auto due = link_.NextTimerDue())
            timer_.start(static_cast<int>(std::clamp<Millis>(*due - clock_.Now(), 0, 60'000)));
        return;
    }
    Wait& wait = *wait_;
    const Millis now = clock_.Now();
    bool finished = true;
    if (wait.Done())
        wait.Result = WaitResult::Done;
    else if (cancelled_)
        wait.Result = WaitResult::Cancelled;
    else if (port_.Failed())
        wait.Result = WaitResult::PortFailed;
    else if (now >= wait.Deadline)
        wait.Result = WaitResult::TimedOut;
    else
        finished = false;
    if (finished) {
        wait_ = wait.Outer;
        wait.Loop.quit();
        return;
    }
    Millis until = wait.Deadline;
    if (const auto due = link_.NextTimerDue())
        until = std::min(until, *due);
    timer_.start(static_cast<int>(std::clamp<Millis>(until - now, 0, 60'000)));
}

}  // namespace comm
