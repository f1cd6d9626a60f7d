#pragma once

#include "settings/settings_store.h"

namespace vclock::win32 {

// The settings store in the registry: HKEY_CURRENT_USER\Software\<app>\<section>,
// one string value per key. Anything the registry refuses reads as "" or
// leaves the stored value as it was; the program never hears of it.
class RegistrySettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& app, const std::string& section, const std::string& key) override;
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
};

}  // namespace vclock::win32
