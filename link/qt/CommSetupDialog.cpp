// The port and speed choice: a port that cannot be opened is refused before anything changes,
// saying why when the reason is one the user can mend.
#include "link/qt/CommSetupDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace comm {

CommSetupDialog::CommSetupDialog(const CommChoice& current,
                                 const std::array<PortChoices, 4>& devices,
                                 std::function<PortCheck(const CommChoice&)> portAvailable,
                                 std::function<void(const QString&)> showMessage, QWidget* parent)
    : QDialog(parent),
      pending_(current),
      portAvailable_(std::move(portAvailable)),
      showMessage_(std::move(showMessage)) {
    setObjectName("frmCommSetup");
    setWindowTitle("Comm Port Setting");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    auto* ports = new QGridLayout;
    for (int n = 0; n <= 4; ++n) {
        auto* option = new QRadioButton(n == 0 ? QString("None") : QString("Com %1").arg(n));
        option->setObjectName(QString("optCom%1").arg(n));
        option->setChecked(n == current.Port);
        connect(option, &QRadioButton::clicked, this, [this, n] { pending_.Port = n; });
        ports->addWidget(option, n, 0);
        if (n == 0)
            continue;
        // What Com n stands for on this machine, and any other serial device instead.
        const PortChoices& list = devices[static_cast<std::size_t>(n) - 1];
        auto* device = new QComboBox;
        device->setObjectName(QString("cboComDevice%1").arg(n));
        for (const DeviceChoice& entry : list.Entries)
            device->addItem(QString::fromStdString(entry.Label),
                            QString::fromStdString(entry.Setting));
        if (list.Current < list.Entries.size()) {
            device->setCurrentIndex(static_cast<int>(list.Current));
            pending_.Devices[static_cast<std::size_t>(n) - 1] = list.Entries[list.Current].Setting;
        }
        connect(device, &QComboBox::currentIndexChanged, this, [this, n, device] {
            pending_.Devices[static_cast<std::size_t>(n) - 1] =
                device->currentData().toString().toStdString();
        });
        ports->addWidget(device, n, 1);
    }
    ports->setColumnStretch(1, 1);

    auto* speedFrame = new QGroupBox("Port Speed");
    speedFrame->setObjectName("fraSpeed");
    auto* speeds = new QVBoxLayout(speedFrame);
    for (int n = 0; n <= 1; ++n) {
        auto* option = new QRadioButton(n == 0 ? "Low" : "High");
        option->setObjectName(QString("optCommSpeed%1").arg(n));
        option->setChecked(n == current.Speed);
        connect(option, &QRadioButton::clicked, this, [this, n] { pending_.Speed = n; });
        speeds->addWidget(option);
    }
    auto* hint = new QLabel("Select Low speed to help\ncorrect communication errors.");
    hint->setObjectName("lblSpeedSel");
    speeds->addWidget(hint);

    auto* ok = new QPushButton("OK");
    ok->setObjectName("cmdCommOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CommSetupDialog::Accept);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("cmdCommCancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* choices = new QHBoxLayout;
    choices->addLayout(ports);
    choices->addWidget(speedFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(buttons);
}

void CommSetupDialog::Accept() {
    if (pending_.Port > 0) {
        const PortCheck check = portAvailable_(pending_);
        if (!check.Ok()) {
            showMessage_(check.Advice.empty()
                             ? QString("Comm Port %1 is not available").arg(pending_.Port)
                             : QString::fromStdString(check.Advice));
            return;
        }
    }
    if (pending_.Speed == 0)
        showMessage_("Selecting lo speed may slow down\nprogram execution in the MCU.");
    accept();
}

}  // namespace comm
