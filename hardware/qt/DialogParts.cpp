// The OK and Cancel row of the hardware dialogs.
#include "hardware/qt/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace hardware {

QHBoxLayout* OkCancelRow(QDialog* dialog, const char* okName, const char* cancelName) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QString::fromLatin1(okName));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QString::fromLatin1(cancelName));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace hardware
