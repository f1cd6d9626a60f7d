#pragma once

#include "settings/settings_store.h"

namespace vclock::qt {

// The per-user INI file named after the application
// ($XDG_CONFIG_HOME/<app>.conf), one group per section. Every write goes
// to disk at once through a temporary file that replaces the old one, so
// an interrupted write never leaves half a file; the file is read afresh
// on every read, so edits made while the clock runs are seen.
class QtSettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& app, const std::string& section, const std::string& key) override;
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
};

}  // namespace vclock::qt
