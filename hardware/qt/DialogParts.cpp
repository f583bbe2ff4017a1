// The OK and Cancel row of the hardware dialogs.
#include "hardware/qt/DialogParts.h"

#include <QDialog>
#include <QPushButton>

#include "model/qt/OkCancelRow.h"

namespace hardware {

QHBoxLayout* OkCancelRow(QDialog* dialog, const char* okName, const char* cancelName) {
    const model::OkCancel buttons =
        model::MakeOkCancel(dialog, QString::fromLatin1(okName), QString::fromLatin1(cancelName));
    buttons.Ok->setDefault(true);
    QObject::connect(buttons.Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return buttons.Row;
}

}  // namespace hardware
