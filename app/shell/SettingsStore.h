// The per-user settings store as start-up and the commands see it: text values by section and
// key, kept under the application name "Vantric Systems".
#pragma once

#include <string>

namespace shell {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text, or fallback when the key is absent.
    virtual std::string Get(const std::string& section, const std::string& key,
                            const std::string& fallback) const = 0;
    virtual void Save(const std::string& section, const std::string& key,
                      const std::string& text) = 0;
    // Removing a key that is absent is harmless.
    virtual void Delete(const std::string& section, const std::string& key) = 0;
};

}  // namespace shell
