// The main window's side of the link: the serial port, the session and its waits, the link's
// menu commands, and what the link shows (lblMode, lblXFerStat, prgXFerStat, messages, the
// traced row).
#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QLabel;
class QProgressBar;

#include "link/LinkObserver.h"
#include "link/LinkSession.h"
#include "link/qt/QtEventPump.h"
#include "link/qt/QtSerialPort.h"

namespace model {
class Program;
}
namespace shell {
class SettingsStore;
}

namespace gui {

class Dialogs;
class MainWindow;

class LinkController : public QObject, public comm::LinkObserver {
    Q_OBJECT
  public:
    LinkController(MainWindow& window, model::Program& program, shell::SettingsStore& settings,
                   Dialogs& dialogs);
    ~LinkController() override;

    // The menu commands.
    void Connect();
    void Reset();
    void ChangePort();
    void SendToMcu();
    void ReadFromMcu();
    void SendToPp();
    void ReadFromPp();
    void SendTimers();
    void SendCounters();
    void ReadTimers();
    void ReadCounters();
    void Run();
    // Reads the MCU's program beside the PC's, which stays as it is, and shows what differs.
    void CompareWithMcu();
    // Register 100 of the connected MCU (firmware version in B and C, program checksum in D), or
    // none when it cannot be read.
    std::optional<comm::LineBytes> ReadMcuCheckLine();
    // Stops the running transfer; the link can be used again at once.
    void CancelTransfer();

    // The programmer ends: a running transfer stops and the port closes.
    void Shutdown();
    // The page on display or its rows changed: the trace follows them.
    void ListingChanged();

    bool TransferRunning() const { return running_; }
    comm::LinkSession& Session() { return session_; }

    // comm::LinkObserver
    void ModeChanged(const std::string& text) override;
    void StateChanged(comm::CommStateWord state) override;
    void TransferText(const std::string& text) override;
    void TransferShown(bool shown) override;
    void Progress(int value) override;
    void ProgressShown(bool shown) override;
    void Message(const comm::Notice& notice) override;
    bool AskYesNo(const comm::Notice& question) override;
    void ProgramReplaced() override;
    void PanelsRead(comm::PanelKind kind) override;
    void TraceRow(int previousRow, int row) override;

  signals:
    // A transfer started or ended: the cancel command follows it.
    void transferRunning(bool running);

  private:
    // Runs a transfer command with the cancel command enabled while it runs.
    void RunTransfer(const std::function<comm::LinkResult()>& transfer);
    // Asks the user to start the panel's "Send Data", then reads the panel from the CIM.
    void ReadPanels(const char* prompt,
                    comm::LinkResult (comm::LinkSession::*read)(model::Program&));
    // The device of port 1..4 as setting names it (empty: the port-th device of the machine),
    // empty when there is none.
    static std::string DeviceOfPort(int port, const std::string& setting);
    // The setting "Communications"/"DeviceN" of port 1..4.
    std::string DeviceSetting(int port) const;

    // The window's status row: lblMode, lblXFerStat, prgXFerStat.
    struct StatusControls {
        QLabel* Mode = nullptr;
        QLabel* Transfer = nullptr;
        QProgressBar* Progress = nullptr;
    };
    StatusControls& Status();

    MainWindow& window_;
    model::Program& program_;
    shell::SettingsStore& settings_;
    Dialogs& dialogs_;
    comm::QtSerialPort port_;
    comm::SteadyClock clock_;
    comm::LinkSession session_;
    comm::QtEventPump pump_;
    bool running_ = false;
    StatusControls status_;
};

}  // namespace gui
