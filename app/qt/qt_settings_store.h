#pragma once

#include "settings/settings_store.h"

namespace vclock::qt {

// The per-user INI file named after the application
// ($XDG_CONFIG_HOME/<app>.conf), one group per section, in the format
// QSettings reads and writes. The file is read afresh on every read, so
// edits made while the clock runs are seen; it is opened only when it is a
// regular file, without blocking, and read only up to a bound.
//
// Every write goes to disk at once as a complete new file that replaces the
// old one only when it was written whole, so a full disk or an interrupted
// write never leaves half a file. A file that cannot be read whole is kept
// aside under a timestamped name, never overwritten, and a fresh file holds
// the values that could be read. Failures are not reported: a store that
// cannot be read reads as empty, and a write that cannot be done leaves
// the file as it was.
class QtSettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& app, const std::string& section, const std::string& key) override;
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;
};

}  // namespace vclock::qt
