// The link's menu commands and status in the main window. Every command waits through the
// event-loop pump, so the window repaints and the cancel command works while a unit answers.
#include "app/gui/LinkController.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

#include "app/gui/ComparisonWindow.h"
#include "app/gui/Dialogs.h"
#include "app/gui/MainWindow.h"
#include "app/shell/SettingsStore.h"
#include "app/shell/StartupSettings.h"
#include "files/ProgramDiff.h"
#include "link/DevicePorts.h"
#include "link/LinkTexts.h"
#include "link/PortTable.h"
#include "link/qt/CommSetupDialog.h"
#include "model/Program.h"
#include "model/qt/ModelText.h"

namespace gui {
namespace {

constexpr const char* kCommSection = "Communications";

MessageIcon IconOf(comm::NoticeIcon icon) {
    switch (icon) {
        case comm::NoticeIcon::Exclamation:
            return MessageIcon::Warning;
        case comm::NoticeIcon::Information:
            return MessageIcon::Information;
        case comm::NoticeIcon::None:
            break;
    }
    return MessageIcon::None;
}

// A box without a title of its own carries the programmer's name.
QString TitleOf(const comm::Notice& notice) {
    return notice.Title.empty() ? QCoreApplication::applicationName()
                                : model::ToQString(notice.Title);
}

}  // namespace

LinkController::LinkController(MainWindow& window, model::Program& program,
                               shell::SettingsStore& settings, Dialogs& dialogs)
    : QObject(&window),
      window_(window),
      program_(program),
      settings_(settings),
      dialogs_(dialogs),
      session_(port_, clock_, pump_, *this),
      pump_(port_, clock_, session_) {
    // The Pocket Programmer reads and fills the program on display whenever it sends.
    session_.AttachProgram(&program_);
}

LinkController::~LinkController() {
    Shutdown();
}

std::string LinkController::DeviceSetting(int port) const {
    return settings_.Get(kCommSection, "Device" + std::to_string(port), "");
}

std::string LinkController::DeviceOfPort(int port, const std::string& setting) {
    return comm::DeviceForPort(port, comm::SystemSerialDevices(), setting);
}

LinkController::StatusControls& LinkController::Status() {
    // The window builds its controls after the link; they are looked up once, on first use.
    if (status_.Mode == nullptr) {
        status_.Mode = window_.findChild<QLabel*>(QStringLiteral("lblMode"));
        status_.Transfer = window_.findChild<QLabel*>(QStringLiteral("lblXFerStat"));
        status_.Progress = window_.findChild<QProgressBar*>(QStringLiteral("prgXFerStat"));
    }
    return status_;
}

void LinkController::Connect() {
    const shell::StartupSettings chosen = shell::ReadStartupSettings(settings_);
    if (chosen.CommPortNumber < 1) {
        session_.Connect("", chosen.CommSpeed);
        return;
    }
    session_.Reset();
    Message({"", comm::texts::kConnectPrompt, comm::NoticeIcon::None});
    // The machine's devices are looked at afresh: an adapter plugged in again may have come
    // back as another device.
    const std::string device =
        DeviceOfPort(chosen.CommPortNumber, DeviceSetting(chosen.CommPortNumber));
    if (device.empty()) {
        dialogs_.Tell(QCoreApplication::applicationName(),
                      QStringLiteral("Comm Port %1 is not available").arg(chosen.CommPortNumber),
                      MessageIcon::Warning);
        return;
    }
    session_.Connect(device, chosen.CommSpeed);
}

void LinkController::Reset() {
    session_.Reset();
}

void LinkController::ChangePort() {
    const shell::StartupSettings current = shell::ReadStartupSettings(settings_);
    comm::CommChoice choice{
        std::max(0, current.CommPortNumber), current.CommSpeed == 1 ? 1 : 0, {}};
    const comm::DeviceRoots roots;
    const std::vector<comm::SerialDevice> devices = comm::ListSerialDevices(roots);
    std::array<comm::PortChoices, 4> lists;
    for (int port = 1; port <= 4; ++port) {
        const auto n = static_cast<std::size_t>(port) - 1;
        choice.Devices[n] = DeviceSetting(port);
        lists[n] = comm::ChoicesFor(port, devices, choice.Devices[n], roots);
    }
    comm::CommSetupDialog dialog(
        choice, lists,
        [this](const comm::CommChoice& pending) {
            // OK closes the port first: the port chosen again must be free to be tested.
            session_.Close();
            return comm::PortAvailable(DeviceOfPort(
                pending.Port, pending.Devices[static_cast<std::size_t>(pending.Port) - 1]));
        },
        [this](const QString& text) {
            dialogs_.Tell(QCoreApplication::applicationName(), text, MessageIcon::None);
        },
        &window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A running connection ends; the user connects again on the new port.
    session_.Close();
    const comm::CommChoice chosen = dialog.Choice();
    settings_.Save(kCommSection, "Port", std::to_string(chosen.Port));
    settings_.Save(kCommSection, "Speed", std::to_string(chosen.Speed));
    for (int port = 1; port <= 4; ++port) {
        const std::string& device = chosen.Devices[static_cast<std::size_t>(port) - 1];
        const std::string key = "Device" + std::to_string(port);
        if (device.empty())
            settings_.Delete(kCommSection, key);
        else
            settings_.Save(kCommSection, key, device);
    }
}

void LinkController::RunTransfer(const std::function<comm::LinkResult()>& transfer) {
    const bool outer = !running_;
    if (outer) {
        running_ = true;
        emit transferRunning(true);
    }
    transfer();
    if (outer) {
        running_ = false;
        emit transferRunning(false);
    }
}

void LinkController::SendToMcu() {
    RunTransfer([this] { return session_.SendProgram(program_); });
}

void LinkController::ReadFromMcu() {
    // The read replaces the program: unsaved changes are offered a save first.
    if (!window_.Files().OfferToSave())
        return;
    RunTransfer([this] { return session_.ReadProgram(program_); });
}

void LinkController::SendToPp() {
    Message({comm::texts::kSendPpTitle, comm::texts::kSendPpPrompt, comm::NoticeIcon::Information});
}

void LinkController::ReadFromPp() {
    Message({comm::texts::kReadPpTitle, comm::texts::kReadPpPrompt, comm::NoticeIcon::Information});
}

void LinkController::SendTimers() {
    RunTransfer([this] { return session_.SendTimers(program_); });
}

void LinkController::SendCounters() {
    RunTransfer([this] { return session_.SendCounters(program_); });
}

void LinkController::ReadPanels(const char* prompt,
                                comm::LinkResult (comm::LinkSession::*read)(model::Program&)) {
    // The user starts "Send Data" on the panel first; Cancel leaves the panel data as it is.
    if (dialogs_.Message(QCoreApplication::applicationName(), model::ToQString(prompt),
                         MessageIcon::None, MessageButtons::OkCancel, Answer::Ok) != Answer::Ok)
        return;
    RunTransfer([this, read] { return (session_.*read)(program_); });
}

void LinkController::ReadTimers() {
    ReadPanels(comm::texts::kTimerReadPrompt, &comm::LinkSession::ReadTimers);
}

void LinkController::ReadCounters() {
    ReadPanels(comm::texts::kCounterReadPrompt, &comm::LinkSession::ReadCounters);
}

void LinkController::Run() {
    ListingChanged();
    RunTransfer([this] { return session_.Run(program_); });
}

std::optional<comm::LineBytes> LinkController::ReadMcuCheckLine() {
    comm::LineBytes reg100{};
    bool read = false;
    RunTransfer([&] {
        const comm::LinkResult result = session_.ReadCheckLine(reg100);
        read = result.Ok();
        return result;
    });
    if (!read)
        return std::nullopt;
    return reg100;
}

void LinkController::CompareWithMcu() {
    auto image = std::make_unique<model::Program>(program_);
    comm::LinkResult read;
    RunTransfer([&] { return read = session_.ReadMcuImage(*image); });
    if (!read.Ok())
        return;
    const std::vector<std::string> differences =
        files::ProgramDifferences(program_, *image, files::DiffScope::PagesAndRegisters);
    if (differences.empty()) {
        dialogs_.Tell(QStringLiteral("Compare with MCU"),
                      QStringLiteral("The MCU holds the program as it is in the PC."),
                      MessageIcon::Information);
        return;
    }
    ComparisonWindow(differences, &window_).exec();
}

void LinkController::CancelTransfer() {
    if (running_)
        session_.Cancel();
}

void LinkController::Shutdown() {
    CancelTransfer();
    session_.Close();
}

void LinkController::ListingChanged() {
    session_.SetTraceView(window_.CurrentTraceView());
}

// ----- comm::LinkObserver

void LinkController::ModeChanged(const std::string& text) {
    Status().Mode->setText(model::ToQString(text));
}

void LinkController::StateChanged(comm::CommStateWord state) {
    window_.UpdateLinkMenus(state);
}

void LinkController::TransferText(const std::string& text) {
    Status().Transfer->setText(model::ToQString(text));
}

void LinkController::TransferShown(bool shown) {
    Status().Transfer->setVisible(shown);
}

void LinkController::Progress(int value) {
    Status().Progress->setValue(value);
}

void LinkController::ProgressShown(bool shown) {
    Status().Progress->setVisible(shown);
}

void LinkController::Message(const comm::Notice& notice) {
    dialogs_.Tell(TitleOf(notice), model::ToQString(notice.Text), IconOf(notice.Icon));
}

bool LinkController::AskYesNo(const comm::Notice& question) {
    return dialogs_.Message(TitleOf(question), model::ToQString(question.Text),
                            IconOf(question.Icon), MessageButtons::YesNo,
                            Answer::No) == Answer::Yes;
}

void LinkController::ProgramReplaced() {
    window_.ShowNewProgram();
}

void LinkController::PanelsRead(comm::PanelKind /*kind*/) {
    // The module now counts as installed: its toolbar button and lists follow.
    window_.RefreshIOLists();
    window_.ShowTitle();
    window_.StartHistory();
}

void LinkController::TraceRow(int /*previousRow*/, int row) {
    window_.ShowTracedRow(row);
}

}  // namespace gui
