#pragma once

#include <string>

namespace vclock {

// Per-user string values addressed by application, section and key.
// read gives "" for anything never written; write replaces the whole value.
// Neither ever fails towards the caller: a store that cannot be read reads
// as empty, and a write that cannot be done leaves what is there untouched.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string read(const std::string& app, const std::string& section, const std::string& key) = 0;
    virtual void write(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

}  // namespace vclock
