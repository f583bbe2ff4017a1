// frmSimulator: the program run on the PC by the simulator, with the installed inputs to switch
// and slide, the outputs, timers, counters and panel texts to watch, and Start, Pause, Step,
// speed and Reset. Each page's line is followed in the main window's list.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "simulator/Simulator.h"

class QAbstractSlider;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace model {
class Program;
}

namespace gui {

class SimulatorWindow : public QDialog {
    Q_OBJECT

  public:
    // showLine: marks the line a page stands on in the main window (page 0..5, 1-based line).
    SimulatorWindow(const model::Program& program, std::function<void(int, int)> showLine,
                    QWidget* parent = nullptr);
    ~SimulatorWindow() override;

    simulator::Simulator& Machine() { return *machine_; }

  private:
    struct InputControl {
        int Number;
        QCheckBox* Switch = nullptr;       // digital
        QAbstractSlider* Level = nullptr;  // analog, hundredths of a volt
        QLabel* Volts = nullptr;
    };
    struct OutputView {
        int Number;
        QLabel* Lamp = nullptr;       // digital
        QProgressBar* Bar = nullptr;  // analog
    };

    QWidget* BuildInputs();
    QWidget* BuildOutputs();
    QWidget* BuildModules();
    QWidget* BuildPages();
    void Restart();
    void Run(int steps);
    void ShowState();

    const model::Program& program_;
    std::function<void(int, int)> showLine_;
    std::unique_ptr<simulator::Simulator> machine_;
    std::vector<InputControl> inputs_;
    std::vector<OutputView> outputs_;
    std::vector<QLabel*> timers_;
    std::vector<QLabel*> counters_;
    std::vector<QLabel*> pages_;
    QLabel* timerPanel_ = nullptr;
    QLabel* counterPanel_ = nullptr;
    QLabel* clock_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* pause_ = nullptr;
    QCheckBox* stopAtEnd_ = nullptr;
    QCheckBox* laterFrozen_ = nullptr;
    QTimer* ticker_ = nullptr;
};

}  // namespace gui
