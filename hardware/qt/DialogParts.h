// Pieces the hardware dialogs share: indexed controls and the OK and Cancel row.
#pragma once

#include <QString>
#include <QVariant>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace hardware {

// A control of an indexed family: its name, and its index in the property "index".
template <typename W>
W* Indexed(W* widget, const char* name, int index) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setProperty("index", index);
    return widget;
}

// "OK", the default button, which accepts the dialog, and "Cancel", which rejects it, right
// aligned.
QHBoxLayout* OkCancelRow(QDialog* dialog, const char* okName, const char* cancelName);

}  // namespace hardware
