// The OK and Cancel row.
#include "model/qt/OkCancelRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace model {

OkCancel MakeOkCancel(QDialog* dialog, const QString& okName, const QString& cancelName) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(okName);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(cancelName);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return {row, ok, cancel};
}

}  // namespace model
