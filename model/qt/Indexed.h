// A control of an indexed family (chkBlockInst(3), optTmrNum(0) ...): its name, and its index in
// the property "index", where tests and the windows' own handlers find it.
#pragma once

#include <QString>
#include <QVariant>

namespace model {

template <typename W>
W* Indexed(W* widget, const QString& name, int index) {
    widget->setObjectName(name);
    widget->setProperty("index", index);
    return widget;
}

template <typename W>
W* Indexed(W* widget, const char* name, int index) {
    return Indexed(widget, QString::fromLatin1(name), index);
}

}  // namespace model
