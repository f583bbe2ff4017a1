// The settings store on the desktop's per-user settings, under "Vantric Systems".
#pragma once

#include <QSettings>

#include "app/shell/SettingsStore.h"

namespace gui {

class QtSettingsStore : public shell::SettingsStore {
  public:
    QtSettingsStore();

    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback) const override;
    void Save(const std::string& section, const std::string& key, const std::string& text) override;
    void Delete(const std::string& section, const std::string& key) override;

  private:
    mutable QSettings settings_;
};

}  // namespace gui
