// The print dialog's widgets over its print job.
#include "files/qt/PrintDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/TextFormat.h"
#include "model/qt/FilteredField.h"
#include "model/qt/Indexed.h"
#include "model/qt/ModelText.h"
#include "model/qt/OkCancelRow.h"

namespace files {

namespace {

const char* const kSectionCaptions[kPrintSectionCount] = {
    "Page A",     "Page B",           "Page C",
    "Page D",     "Page E",           "Page F",
    "Setup Data", "Timer Panel Data", "Counter Panel Data"};

constexpr int kSectionsPerRow = 3;

}  // namespace

PrintDialog::PrintDialog(PrintJob& job, const std::array<bool, kPrintSectionCount>& available,
                         const QStringList& printers, ErrorReporter report, QWidget* parent)
    : QDialog(parent), job_(job), report_(std::move(report)) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print"));
    auto* column = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    printers_ = new QComboBox(this);
    printers_->setObjectName(QStringLiteral("cboPrinters"));
    printers_->addItems(printers);
    printers_->setCurrentText(model::ToQString(job.Printer));
    form->addRow(QStringLiteral("&Printer:"), printers_);
    column->addLayout(form);

    auto* frame = new QGroupBox(QStringLiteral("Print"), this);
    auto* grid = new QGridLayout(frame);
    for (int s = 0; s < kPrintSectionCount; ++s) {
        auto* box = model::Indexed(new QCheckBox(QString::fromLatin1(kSectionCaptions[s]), frame),
                                   "chkPrnPage", s);
        box->setEnabled(available[s]);
        box->setChecked(available[s] && job.Sections[s]);
        sections_[s] = box;
        grid->addWidget(box, s / kSectionsPerRow, s % kSectionsPerRow);
    }
    column->addWidget(frame);

    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("&Left margin (inches):"),
                  AddBox(PrintBox::LeftMargin, "txtLeftMargin", job.LeftInches));
    sizes->addRow(QStringLiteral("&Top margin (inches):"),
                  AddBox(PrintBox::TopMargin, "txtTopMargin", job.TopInches));
    sizes->addRow(QStringLiteral("Lines per &sheet:"),
                  AddBox(PrintBox::Lines, "txtPrnLines", job.LinesPerSheet));
    column->addLayout(sizes);

    const model::OkCancel buttons =
        model::MakeOkCancel(this, QStringLiteral("cmdPrnOK"), QStringLiteral("cmdPrnCancel"));
    buttons.Ok->setDefault(true);
    cancel_ = buttons.Cancel;
    connect(buttons.Ok, &QPushButton::clicked, this, &PrintDialog::Confirm);
    column->addLayout(buttons.Row);
}

QLineEdit* PrintDialog::AddBox(PrintBox kind, const char* name, double value) {
    auto* field = new QLineEdit(model::ToQString(model::Real(value)), this);
    field->setObjectName(QString::fromLatin1(name));
    model::FilterTyping(field,
                        [kind](const std::string& text) { return TypedPrintBox(kind, text); });
    field->installEventFilter(this);
    boxes_.push_back({field, kind});
    return field;
}

bool PrintDialog::Passes(const Box& box) {
    const std::string problem =
        PrintBoxProblem(box.Kind, PrintBoxValue(model::FromQString(box.Field->text())));
    if (problem.empty())
        return true;
    reporting_ = true;
    report_(box.Field, model::ToQString(problem));
    reporting_ = false;
    box.Field->setFocus();
    // Once the field has let go of the focus that is leaving, which clears its selection.
    QTimer::singleShot(0, box.Field, &QLineEdit::selectAll);
    return false;
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event) {
    // Leaving a box checks it, unless the way out is Cancel.
    if (event->type() == QEvent::FocusOut && !reporting_ &&
        QApplication::focusWidget() != cancel_) {
        const auto reason = static_cast<const QFocusEvent&>(*event).reason();
        for (const Box& box : boxes_) {
            if (box.Field == watched && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason)
                Passes(box);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Every box is checked again: settings written by hand may hold what the boxes refuse.
void PrintDialog::Confirm() {
    for (const Box& box : boxes_) {
        if (!Passes(box))
            return;
    }
    const auto value = [this](int i) {
        return PrintBoxValue(model::FromQString(boxes_[i].Field->text()));
    };
    job_.LeftInches = value(0);
    job_.TopInches = value(1);
    job_.LinesPerSheet = static_cast<int>(value(2));
    job_.Printer = model::FromQString(printers_->currentText());
    for (int s = 0; s < kPrintSectionCount; ++s)
        job_.Sections[s] = sections_[s]->isChecked();
    accept();
}

}  // namespace files
