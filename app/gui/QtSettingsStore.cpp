// Settings kept with QSettings; every value is stored as text.
#include "app/gui/QtSettingsStore.h"

namespace gui {

namespace {

QString Path(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QStringLiteral("Vantric Systems"), QStringLiteral("Zolt Programmer")) {}

std::string QtSettingsStore::Get(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    const QVariant value = settings_.value(Path(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettingsStore::Save(const std::string& section, const std::string& key,
                           const std::string& text) {
    settings_.setValue(Path(section, key), QString::fromStdString(text));
    settings_.sync();
}

void QtSettingsStore::Delete(const std::string& section, const std::string& key) {
    settings_.remove(Path(section, key));
    settings_.sync();
}

}  // namespace gui
