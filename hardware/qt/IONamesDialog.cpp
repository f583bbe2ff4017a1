// The names dialog's widgets over its working copy.
#include "hardware/qt/IONamesDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "hardware/TypedText.h"
#include "hardware/qt/DialogParts.h"
#include "model/qt/FilteredField.h"
#include "model/qt/ModelText.h"

namespace hardware {

namespace {

struct Column {
    const char* Title;
    const char* NumberName;
    const char* FieldName;
    model::Direction Direction;
};

constexpr Column kColumns[] = {{"Inputs", "lblNameIn", "txtNameIn", model::kInput},
                               {"Outputs", "lblNameOut", "txtNameOut", model::kOutput}};

}  // namespace

IONamesDialog::IONamesDialog(BlockIONames& names, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmIONames"));
    setWindowTitle(QStringLiteral("Input and Output Names"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(model::ToQString(names.Heading()), this);
    heading->setObjectName(QStringLiteral("lblNameIO"));
    layout->addWidget(heading);

    auto* columns = new QHBoxLayout;
    for (const Column& column : kColumns) {
        auto* frame = new QGroupBox(QString::fromLatin1(column.Title), this);
        auto* grid = new QGridLayout(frame);
        for (int row = 0; row < model::kMostPerBlock; ++row) {
            auto* number = Indexed(new QLabel(QString::number(names.Number(row)), frame),
                                   column.NumberName, row + 1);
            auto* field =
                Indexed(new QLineEdit(model::ToQString(names.Name(row, column.Direction)), frame),
                        column.FieldName, row);
            field->setMaxLength(kNameLength);
            model::FilterTyping(field, TypedName);
            number->setBuddy(field);
            connect(field, &QLineEdit::textEdited, this,
                    [&names, row, d = column.Direction](const QString& text) {
                        names.SetName(row, d, model::FromQString(text));
                    });
            grid->addWidget(number, row, 0, Qt::AlignRight);
            grid->addWidget(field, row, 1);
        }
        columns->addWidget(frame);
    }
    layout->addLayout(columns);
    layout->addLayout(OkCancelRow(this, "cmdIONameOK", "cmdIONameCan"));
}

}  // namespace hardware
