// The simulator's window.
#include "app/gui/SimulatorWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "model/HardwareConfig.h"
#include "model/PageGeometry.h"
#include "model/Program.h"
#include "model/TextFormat.h"
#include "model/qt/FixedFont.h"
#include "model/qt/Indexed.h"
#include "model/qt/ModelText.h"

namespace gui {

namespace {

constexpr int kTickMs = 10;            // one step of the controller's clock
constexpr int kMostCentivolts = 1020;  // an analog input's 10.20 V
const int kSpeeds[] = {1, 10, 100};

QString Seconds(long centis) {
    return model::ToQString(model::Fix2(static_cast<double>(centis) / 100.0));
}

QString NameOf(const model::Program& program, int number, model::Direction d) {
    const QString name = model::ToQString(model::DisplayName(program, number, d));
    const QString prefix = d == model::kInput ? QStringLiteral("In ") : QStringLiteral("Out ");
    return name == QString::number(number) ? prefix + name
                                           : prefix + QString::number(number) + " " + name;
}

// A column of inputs or outputs, scrolled when the plant has more than the window shows.
QWidget* Scrolled(QWidget* column, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setWidget(column);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(220);
    return scroll;
}

QGroupBox* Frame(const QString& title, QWidget* parent, QGridLayout*& grid) {
    auto* frame = new QGroupBox(title, parent);
    grid = new QGridLayout(frame);
    return frame;
}

}  // namespace

SimulatorWindow::SimulatorWindow(const model::Program& program,
                                 std::function<void(int, int)> showLine, QWidget* parent)
    : QDialog(parent), program_(program), showLine_(std::move(showLine)) {
    setObjectName(QStringLiteral("frmSimulator"));
    setWindowTitle(QStringLiteral("Simulate Program"));
    machine_ = std::make_unique<simulator::Simulator>(program_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildInputs());
    columns->addWidget(BuildOutputs());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildPages());
    right->addWidget(BuildModules());
    right->addStretch(1);
    columns->addLayout(right);

    clock_ = new QLabel(this);
    clock_->setObjectName(QStringLiteral("lblSimTime"));
    clock_->setFont(model::FixedPitchFont());
    start_ = new QPushButton(QStringLiteral("&Start"), this);
    start_->setObjectName(QStringLiteral("cmdSimStart"));
    pause_ = new QPushButton(QStringLiteral("&Pause"), this);
    pause_->setObjectName(QStringLiteral("cmdSimPause"));
    auto* step = new QPushButton(QStringLiteral("S&tep"), this);
    step->setObjectName(QStringLiteral("cmdSimStep"));
    step->setToolTip(QStringLiteral("One step of 10 ms: each running page executes one line"));
    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("cboSimSpeed"));
    for (int factor : kSpeeds)
        speed_->addItem(QStringLiteral("x%1").arg(factor));
    auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
    reset->setObjectName(QStringLiteral("cmdSimReset"));
    // The model's two open choices, taken at the next Reset.
    stopAtEnd_ = new QCheckBox(QStringLiteral("End Page stops its page"), this);
    stopAtEnd_->setObjectName(QStringLiteral("chkSimStopAtEnd"));
    laterFrozen_ = new QCheckBox(QStringLiteral("Pages B-F start frozen"), this);
    laterFrozen_->setObjectName(QStringLiteral("chkSimFrozen"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdSimClose"));
    auto* controls = new QHBoxLayout;
    controls->addWidget(clock_);
    controls->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{start_, pause_, step, speed_, reset, close})
        controls->addWidget(w);

    auto* options = new QHBoxLayout;
    options->addWidget(stopAtEnd_);
    options->addWidget(laterFrozen_);
    options->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(options);
    layout->addLayout(controls);

    ticker_ = new QTimer(this);
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this,
            [this] { Run(kSpeeds[std::max(0, speed_->currentIndex())]); });
    connect(start_, &QPushButton::clicked, ticker_, qOverload<>(&QTimer::start));
    connect(start_, &QPushButton::clicked, this, &SimulatorWindow::ShowState);
    connect(pause_, &QPushButton::clicked, ticker_, &QTimer::stop);
    connect(pause_, &QPushButton::clicked, this, &SimulatorWindow::ShowState);
    connect(step, &QPushButton::clicked, this, [this] {
        ticker_->stop();
        Run(1);
    });
    connect(reset, &QPushButton::clicked, this, &SimulatorWindow::Restart);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    ShowState();
}

SimulatorWindow::~SimulatorWindow() = default;

QWidget* SimulatorWindow::BuildInputs() {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = Frame(QStringLiteral("Inputs"), this, grid);
    int row = 0;
    for (int n = 0; n < model::kIONumberCount; ++n) {
        const int kind = program_.IOType[n][model::kInput];
        if (kind == model::kNotInstalled)
            continue;
        InputControl control{n};
        const QString name = NameOf(program_, n, model::kInput);
        if (kind == model::kDigital) {
            control.Switch = model::Indexed(new QCheckBox(name, frame), "chkSimIn", n);
            connect(control.Switch, &QCheckBox::toggled, this,
                    [this, n](bool on) { machine_->SetInput(n, on); });
            grid->addWidget(control.Switch, row++, 0, 1, 2);
        } else {
            auto* slider = model::Indexed(new QSlider(Qt::Horizontal, frame), "sldSimIn", n);
            slider->setRange(0, kMostCentivolts);
            slider->setAccessibleName(name);
            control.Level = slider;
            control.Volts = new QLabel(frame);
            connect(slider, &QSlider::valueChanged, this, [this, n](int centivolts) {
                machine_->SetAnalogInput(n, centivolts / 100.0);
                ShowState();
            });
            grid->addWidget(new QLabel(name, frame), row, 0);
            grid->addWidget(control.Volts, row++, 1);
            grid->addWidget(slider, row++, 0, 1, 2);
        }
        inputs_.push_back(control);
    }
    grid->setRowStretch(row, 1);
    return Scrolled(frame, this);
}

QWidget* SimulatorWindow::BuildOutputs() {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = Frame(QStringLiteral("Outputs"), this, grid);
    int row = 0;
    for (int n = 0; n < model::kIONumberCount; ++n) {
        const int kind = program_.IOType[n][model::kOutput];
        if (kind == model::kNotInstalled)
            continue;
        OutputView view{n};
        grid->addWidget(new QLabel(NameOf(program_, n, model::kOutput), frame), row, 1);
        if (kind == model::kDigital) {
            view.Lamp = model::Indexed(new QLabel(frame), "lblSimOut", n);
            view.Lamp->setFixedSize(16, 16);
            grid->addWidget(view.Lamp, row++, 0);
        } else {
            view.Bar = model::Indexed(new QProgressBar(frame), "prgSimOut", n);
            view.Bar->setRange(0, 100);
            grid->addWidget(view.Bar, ++row, 0, 1, 2);
            ++row;
        }
        outputs_.push_back(view);
    }
    grid->setRowStretch(row, 1);
    return Scrolled(frame, this);
}

QWidget* SimulatorWindow::BuildPages() {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = Frame(QStringLiteral("Pages"), this, grid);
    for (int p = 0; p < model::kPageCount; ++p) {
        auto* state = model::Indexed(new QLabel(frame), "lblSimPage", p);
        grid->addWidget(new QLabel(QStringLiteral("Page ") + QChar(model::PageLetter(p)), frame), p,
                        0);
        grid->addWidget(state, p, 1);
        pages_.push_back(state);
    }
    return frame;
}

QWidget* SimulatorWindow::BuildModules() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](bool fitted, const char* title, const model::PanelTables& tables,
                         std::vector<QLabel*>& values, QLabel*& panel) {
        if (!fitted)
            return;
        QGridLayout* grid = nullptr;
        QGroupBox* frame = Frame(QString::fromLatin1(title), box, grid);
        for (int i = 0; i < model::kEntryCount; ++i) {
            auto* value = new QLabel(frame);
            grid->addWidget(new QLabel(model::ToQString(tables.Data[i].Name), frame), i, 0);
            grid->addWidget(value, i, 1);
            values.push_back(value);
        }
        panel = new QLabel(frame);
        panel->setFont(model::FixedPitchFont());
        panel->setFrameShape(QFrame::Panel);
        grid->addWidget(panel, model::kEntryCount, 0, 1, 2);
        column->addWidget(frame);
    };
    add(model::TimerModuleInstalled(program_), "Timers", program_.Tmr, timers_, timerPanel_);
    add(model::CounterModuleInstalled(program_), "Counters", program_.Ctr, counters_,
        counterPanel_);
    return box;
}

// Back to the start: the inputs as the user left them apply again from 0.00.
void SimulatorWindow::Restart() {
    ticker_->stop();
    machine_ = std::make_unique<simulator::Simulator>(
        program_, simulator::Options{stopAtEnd_->isChecked(), laterFrozen_->isChecked()});
    for (const InputControl& input : inputs_) {
        if (input.Switch)
            machine_->SetInput(input.Number, input.Switch->isChecked());
        else
            machine_->SetAnalogInput(input.Number, input.Level->value() / 100.0);
    }
    ShowState();
}

void SimulatorWindow::Run(int steps) {
    for (int i = 0; i < steps; ++i)
        machine_->Step();
    machine_->TakeEvents();
    ShowState();
}

void SimulatorWindow::ShowState() {
    simulator::Simulator& m = *machine_;
    clock_->setText(Seconds(m.Now()) + QStringLiteral(" s"));
    start_->setEnabled(!ticker_->isActive());
    pause_->setEnabled(ticker_->isActive());
    for (const InputControl& input : inputs_) {
        if (input.Volts)
            input.Volts->setText(Seconds(input.Level->value()) + QStringLiteral(" V"));
    }
    for (const OutputView& output : outputs_) {
        if (output.Lamp) {
            const bool on = m.Output(output.Number);
            output.Lamp->setStyleSheet(
                on ? QStringLiteral("background: #2ecc40; border-radius: 8px")
                   : QStringLiteral("background: #555; border-radius: 8px"));
            output.Lamp->setAccessibleName(on ? QStringLiteral("on") : QStringLiteral("off"));
        } else {
            output.Bar->setValue(m.AnalogOutput(output.Number));
        }
    }
    for (int t = 0; t < static_cast<int>(timers_.size()); ++t) {
        timers_[t]->setText(m.TimerRunning(t + 1) ? Seconds(m.TimerLeft(t + 1)) + " s left"
                                                  : QStringLiteral("stopped"));
    }
    for (int c = 0; c < static_cast<int>(counters_.size()); ++c)
        counters_[c]->setText(QString::number(m.Count(c + 1)));
    if (timerPanel_)
        timerPanel_->setText(model::ToQString(m.TimerPanelText()));
    if (counterPanel_)
        counterPanel_->setText(model::ToQString(m.CounterPanelText()));
    static const char* const kStates[] = {"running", "frozen", "stopped"};
    for (int p = 0; p < model::kPageCount; ++p) {
        const int page = p + 1;
        const auto state = m.PageState(page);
        QString text = QStringLiteral("line %1, %2")
                           .arg(m.PageLine(page))
                           .arg(QString::fromLatin1(kStates[static_cast<int>(state)]));
        if (!m.StopReason(page).empty())
            text += QStringLiteral(": ") + model::ToQString(m.StopReason(page));
        pages_[p]->setText(text);
        showLine_(p, m.PageLine(page));
    }
}

}  // namespace gui
