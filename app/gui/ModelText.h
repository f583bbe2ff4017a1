// Text crossing between the program (Windows-1252) and the widgets (QString).
#pragma once

#include <QString>
#include <string>

#include "model/Cp1252.h"

namespace gui {

inline QString FromModel(const std::string& text) {
    return QString::fromStdString(model::Cp1252ToUtf8(text));
}

inline std::string ToModel(const QString& text) {
    return model::Utf8ToCp1252(text.toStdString());
}

}  // namespace gui
