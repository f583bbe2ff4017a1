// The BIOS registers dialog's widgets over the register editor.
#include "hardware/qt/BiosRegisterDialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "hardware/TypedText.h"
#include "hardware/qt/DialogParts.h"
#include "model/qt/FilteredField.h"
#include "model/qt/FixedFont.h"
#include "model/qt/ModelText.h"

namespace hardware {

namespace {
// Widths in characters of the heading's columns: "Register" and each "    A      ".
constexpr int kRegisterColumn = 8;
constexpr int kByteColumn = 11;
}  // namespace

BiosRegisterDialog::BiosRegisterDialog(BiosRegisterEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("frmBIOSReg"));
    setWindowTitle(QStringLiteral("BIOS Registers"));
    auto* grid = new QGridLayout(this);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("sldBIOSReg"));
    slider_->setRange(BiosRegisterEditor::kFirst, BiosRegisterEditor::kLast);
    slider_->setSingleStep(BiosRegisterEditor::kSmallStep);
    slider_->setPageStep(BiosRegisterEditor::kLargeStep);
    slider_->setAccessibleName(QStringLiteral("Register"));
    grid->addWidget(slider_, 0, 0, 1, 5);

    // The heading names the columns in a fixed-pitch font, one character apart: the register
    // number stands under "Register" and each byte's field is centred under its letter.
    const QFont fixed = model::FixedPitchFont();
    const int charWidth = QFontMetrics(fixed).horizontalAdvance(QChar('0'));
    grid->setHorizontalSpacing(charWidth);
    auto* heading =
        new QLabel(QStringLiteral("Register     A          B          C          D"), this);
    heading->setObjectName(QStringLiteral("lblBIOS1"));
    heading->setFont(fixed);
    grid->addWidget(heading, 1, 0, 1, 5);
    number_ = new QLabel(this);
    number_->setObjectName(QStringLiteral("lblBIOS2"));
    number_->setFont(fixed);
    number_->setAlignment(Qt::AlignCenter);
    number_->setFixedWidth(kRegisterColumn * charWidth);
    grid->addWidget(number_, 2, 0);
    for (int b = 0; b < 4; ++b) {
        QLineEdit* field = bytes_[b] = Indexed(new QLineEdit(this), "txtBIOS", b);
        field->setFont(fixed);
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth((kByteColumn - 1) * charWidth);
        field->setMaxLength(kRegisterByteDigits);
        field->setAccessibleName(QString(QChar('A' + b)));
        model::FilterTyping(field, TypedRegisterByte);
        connect(field, &QLineEdit::textEdited, this, [this, field, b](const QString& text) {
            const QString shown = model::ToQString(editor_.Edit(b, model::FromQString(text)));
            if (shown != text)
                field->setText(shown);
        });
        grid->addWidget(field, 2, b + 1);
    }

    auto* warning = new QLabel(QStringLiteral("Warning:  Changing BIOS register settings may cause "
                                              "improper operation of the control."),
                               this);
    warning->setObjectName(QStringLiteral("lblBios3"));
    warning->setWordWrap(true);
    grid->addWidget(warning, 3, 0, 1, 5);

    connect(slider_, &QSlider::valueChanged, this, &BiosRegisterDialog::ShowRegister);
    slider_->setValue(BiosRegisterEditor::kFirst);
    ShowRegister(BiosRegisterEditor::kFirst);
}

// Loading the fields is not an edit: setText does not raise textEdited.
void BiosRegisterDialog::ShowRegister(int reg) {
    editor_.Choose(reg);
    number_->setText(QString::number(editor_.Chosen()));
    for (int b = 0; b < 4; ++b)
        bytes_[b]->setText(model::ToQString(editor_.Text(b)));
}

}  // namespace hardware
