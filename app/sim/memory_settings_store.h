#pragma once

#include <map>
#include <string>
#include <tuple>

#include "settings/settings_store.h"

namespace vclock {

// The settings store of the simulated runtime: values in memory. A test can
// make it refuse writes, as a store on a read-only disk would.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& app, const std::string& section, const std::string& key) override;
    void write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;

    void setWritable(bool writable) { writable_ = writable; }
    int writes() const { return writes_; }
    bool contains(const std::string& app, const std::string& section, const std::string& key) const;

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    bool writable_ = true;
    int writes_ = 0;
};

}  // namespace vclock
