// Text crossing between the program (Windows-1252) and the widgets (QString).
#pragma once

#include <QString>
#include <string>

#include "model/Cp1252.h"

namespace model {

inline QString ToQString(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

inline std::string FromQString(const QString& text) {
    return Utf8ToCp1252(text.toStdString());
}

}  // namespace model
