// frmPrint: the printer, the sections, the margins and the lines per sheet of a printout,
// edited in a print job the caller prints on OK.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "files/PrintBoxes.h"
#include "files/PrintJob.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace files {

class PrintDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows a box's message, titled "Error", over the box.
    using ErrorReporter = std::function<void(QWidget* box, const QString& message)>;

    // `available`: the sections that can be ticked (a panel only with its module fitted).
    // `printers`: the device names to offer, the job's printer chosen among them.
    PrintDialog(PrintJob& job, const std::array<bool, kPrintSectionCount>& available,
                const QStringList& printers, ErrorReporter report, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Box {
        QLineEdit* Field;
        PrintBox Kind;
    };

    QLineEdit* AddBox(PrintBox kind, const char* name, double value);
    bool Passes(const Box& box);
    void Confirm();

    PrintJob& job_;
    ErrorReporter report_;
    QComboBox* printers_ = nullptr;
    std::array<QCheckBox*, kPrintSectionCount> sections_{};
    std::vector<Box> boxes_;
    QPushButton* cancel_ = nullptr;
    bool reporting_ = false;
};

}  // namespace files
