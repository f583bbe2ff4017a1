// The speeds dialog's widgets over its working copy.
#include "hardware/qt/InputSpeedDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "hardware/TypedText.h"
#include "hardware/qt/DialogParts.h"
#include "model/qt/FilteredField.h"
#include "model/qt/ModelText.h"

namespace hardware {

namespace {

QLabel* NamedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

InputSpeedDialog::InputSpeedDialog(BlockInputSpeeds& speeds, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmInpSpeed"));
    setWindowTitle(QStringLiteral("Input Speed"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NamedLabel(model::ToQString(speeds.Heading()), "lblInpSpd1", this));
    auto* grid = new QGridLayout;
    grid->addWidget(NamedLabel(QStringLiteral("Inputs   Speed "), "lblInpSpd2", this), 0, 0, 1, 2);
    grid->addWidget(NamedLabel(QStringLiteral("(milliseconds)"), "lblInpSpd3", this), 1, 1);
    for (int row = 0; row < model::kMostPerBlock; ++row) {
        auto* number =
            Indexed(new QLabel(QString::number(speeds.Number(row)), this), "lblSpdIn", row);
        auto* field =
            Indexed(new QLineEdit(model::ToQString(speeds.Text(row)), this), "txtSpdIn", row);
        field->setMaxLength(kSpeedDigits);
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                               12);
        model::FilterTyping(field, TypedSpeed);
        number->setBuddy(field);
        connect(field, &QLineEdit::textEdited, this, [&speeds, row](const QString& text) {
            speeds.SetText(row, model::FromQString(text));
        });
        grid->addWidget(number, row + 2, 0, Qt::AlignCenter);
        grid->addWidget(field, row + 2, 1, Qt::AlignLeft);
    }
    layout->addLayout(grid);
    layout->addLayout(OkCancelRow(this, "cmdInpSpdOK", "cmdInpSpdCan"));
}

}  // namespace hardware
