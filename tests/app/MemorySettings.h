// A settings store held in memory, for tests of start-up and the file commands.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "app/shell/SettingsStore.h"

namespace testshell {

class MemorySettings : public shell::SettingsStore {
  public:
    std::string Get(const std::string& section, const std::string& key,
                    const std::string& fallback) const override {
        const auto it = values.find({section, key});
        return it == values.end() ? fallback : it->second;
    }
    void Save(const std::string& section, const std::string& key,
              const std::string& text) override {
        values[{section, key}] = text;
    }
    void Delete(const std::string& section, const std::string& key) override {
        values.erase({section, key});
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

}  // namespace testshell
