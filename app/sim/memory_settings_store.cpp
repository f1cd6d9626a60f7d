#include "app/sim/memory_settings_store.h"

namespace vclock {

std::string MemorySettingsStore::read(const std::string& app, const std::string& section, const std::string& key) {
    const auto it = values_.find({app, section, key});
    return it == values_.end() ? std::string() : it->second;
}

void MemorySettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                                const std::string& value) {
    ++writes_;
    if (writable_) values_[{app, section, key}] = value;
}

bool MemorySettingsStore::contains(const std::string& app, const std::string& section,
                                   const std::string& key) const {
    return values_.count({app, section, key}) != 0;
}

}  // namespace vclock
