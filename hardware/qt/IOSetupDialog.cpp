// The I/O setup dialog's widgets over its working copy.
#include "hardware/qt/IOSetupDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "hardware/qt/DialogParts.h"
#include "hardware/qt/IONamesDialog.h"
#include "hardware/qt/InputSpeedDialog.h"

namespace hardware {

namespace {

QCheckBox* ModuleBox(QWidget* parent, QVBoxLayout* column, const char* title, const char* name) {
    auto* frame = new QGroupBox(QString::fromLatin1(title), parent);
    auto* box = new QCheckBox(QStringLiteral("Installed"), frame);
    box->setObjectName(QString::fromLatin1(name));
    (new QVBoxLayout(frame))->addWidget(box);
    column->addWidget(frame);
    return box;
}

}  // namespace

IOSetupDialog::IOSetupDialog(IOSetup& setup, model::Program& program, ConfirmRemoval confirm,
                             QWidget* parent)
    : QDialog(parent), setup_(setup), program_(program), confirm_(std::move(confirm)) {
    setObjectName(QStringLiteral("frmIOSetup"));
    setWindowTitle(QStringLiteral("I/O Module Setup"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QGridLayout* grid = BuildRows();

    auto* modules = new QVBoxLayout;
    timer_ = ModuleBox(this, modules, "Timer Panel", "chkTimerInst");
    counter_ = ModuleBox(this, modules, "Counter Panel", "chkCounterInst");
    modules->addStretch(1);
    connect(timer_, &QCheckBox::clicked, this,
            [this](bool on) { setup_.SetModuleInstalled(Module::Timer, on); });
    connect(counter_, &QCheckBox::clicked, this,
            [this](bool on) { setup_.SetModuleInstalled(Module::Counter, on); });

    auto* hint = new QLabel(QStringLiteral("Right-click on block number to change settings\n"
                                           "for individual inputs or outputs"),
                            this);
    hint->setObjectName(QStringLiteral("lblIOSetup"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdIoSetupOK"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdIoSetupCan"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &IOSetupDialog::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    blockMenu_ = new QMenu(this);
    blockMenu_->setObjectName(QStringLiteral("mnuIO"));
    QAction* naming = blockMenu_->addAction(QStringLiteral("Name Inputs and Outputs"));
    naming->setObjectName(QStringLiteral("mnuIOName"));
    connect(naming, &QAction::triggered, this, &IOSetupDialog::NameBlock);
    QAction* speeds = blockMenu_->addAction(QStringLiteral("Set Input Speeds"));
    speeds->setObjectName(QStringLiteral("mnuIOSpeed"));
    connect(speeds, &QAction::triggered, this, &IOSetupDialog::SetBlockSpeeds);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(modules, 1, 5, model::kPositionCount, 1);
    grid->addLayout(buttons, model::kPositionCount + 1, 0, 1, 6);
    Show();
}

QGridLayout* IOSetupDialog::BuildRows() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("# of Inputs"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("# of Outputs"), this), 0, 3);
    for (int p = 0; p < model::kPositionCount; ++p) {
        const model::BlockPosition& position = model::BlockPositions()[p];
        Row& row = rows_[p];
        row.Label =
            Indexed(new QLabel(QString::fromLatin1(position.Label), this), "lblBlockNum", p);
        row.Installed =
            Indexed(new QCheckBox(QStringLiteral("Block Installed"), this), "chkBlockInst", p);
        row.Inputs = Indexed(new QComboBox(this), "cboNumIn", p);
        row.Outputs = Indexed(new QComboBox(this), "cboNumOut", p);
        for (QComboBox* list : {row.Inputs, row.Outputs}) {
            for (int n = 0; n <= model::kMostPerBlock; ++n)
                list->addItem(QString::number(n));
        }
        // The box takes the menu key too, so that the keyboard reaches the pop-up.
        row.Label->installEventFilter(this);
        row.Installed->installEventFilter(this);
        grid->addWidget(row.Label, p + 1, 0);
        grid->addWidget(row.Installed, p + 1, 1);
        grid->addWidget(row.Inputs, p + 1, 2);
        grid->addWidget(row.Outputs, p + 1, 3);
        connect(row.Installed, &QCheckBox::clicked, this, [this, p](bool on) {
            setup_.SetInstalled(p, on);
            Show();
        });
        connect(row.Inputs, &QComboBox::activated, this,
                [this, p](int n) { setup_.SetInputs(p, n); });
        connect(row.Outputs, &QComboBox::activated, this,
                [this, p](int n) { setup_.SetOutputs(p, n); });
        if (position.AnalogOption < 0)
            continue;
        auto* choice = new QHBoxLayout;
        row.Analog = Indexed(new QRadioButton(QStringLiteral("Analog"), this), "optAlg",
                             position.AnalogOption);
        row.Digital = Indexed(new QRadioButton(QStringLiteral("Digital"), this), "optDig",
                              position.AnalogOption);
        // Both may show unselected: a group of its own that allows it.
        auto* group = new QButtonGroup(this);
        group->setExclusive(false);
        for (QRadioButton* option : {row.Analog, row.Digital}) {
            group->addButton(option);
            choice->addWidget(option);
        }
        connect(row.Analog, &QRadioButton::clicked, this, [this, p] {
            setup_.SetAnalog(p, true);
            Show();
        });
        connect(row.Digital, &QRadioButton::clicked, this, [this, p] {
            setup_.SetAnalog(p, false);
            Show();
        });
        grid->addLayout(choice, p + 1, 4);
    }
    return grid;
}

void IOSetupDialog::Show() {
    for (int p = 0; p < model::kPositionCount; ++p) {
        const BlockChoice& block = setup_.Block(p);
        Row& row = rows_[p];
        row.Installed->setChecked(block.Installed);
        row.Inputs->setEnabled(block.Installed);
        row.Outputs->setEnabled(block.Installed);
        row.Inputs->setCurrentIndex(block.Installed ? block.Inputs : -1);
        row.Outputs->setCurrentIndex(block.Installed ? block.Outputs : -1);
        if (row.Analog == nullptr)
            continue;
        row.Analog->setEnabled(block.Installed);
        row.Digital->setEnabled(block.Installed);
        row.Analog->setChecked(block.Installed && block.Analog);
        row.Digital->setChecked(block.Installed && !block.Analog);
    }
    timer_->setChecked(setup_.ModuleInstalled(Module::Timer));
    counter_->setChecked(setup_.ModuleInstalled(Module::Counter));
}

bool IOSetupDialog::eventFilter(QObject* watched, QEvent* event) {
    // A right-click on the label (or the menu key on the box) of a fitted block offers what can be
    // set for its inputs and outputs; on an unfitted block nothing happens.
    if (event->type() == QEvent::ContextMenu) {
        const int p = watched->property("index").toInt();
        if (setup_.Block(p).Installed) {
            selBlock_ = p;
            blockMenu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Names and speeds are written when their own dialog is confirmed, whatever this one's answer.
void IOSetupDialog::NameBlock() {
    BlockIONames names(program_, selBlock_);
    if (IONamesDialog(names, this).exec() == QDialog::Accepted)
        names.Apply(program_);
}

void IOSetupDialog::SetBlockSpeeds() {
    BlockInputSpeeds speeds(program_, selBlock_);
    if (InputSpeedDialog(speeds, this).exec() == QDialog::Accepted)
        speeds.Apply(program_);
}

void IOSetupDialog::Confirm() {
    for (Module module : setup_.RemovalsToConfirm()) {
        if (!confirm_(module))
            return;
    }
    accept();
}

}  // namespace hardware
