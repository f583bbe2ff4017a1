// The OK and Cancel buttons that end the program's dialogs.
#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace model {

struct OkCancel {
    QHBoxLayout* Row;
    QPushButton* Ok;
    QPushButton* Cancel;  // rejects the dialog
};

// "OK" and "Cancel", named, right aligned in a row; what OK does is the dialog's.
OkCancel MakeOkCancel(QDialog* dialog, const QString& okName, const QString& cancelName);

}  // namespace model
