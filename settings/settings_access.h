#pragma once

#include <string>

#include "settings/setting_names.h"
#include "settings/settings_store.h"

namespace vclock {

// `readsetting` and `writesetting` for the program's own application name:
// callers name only the value they mean.
inline std::string readsetting(SettingsStore& store, setting_names::Address at) {
    return store.read(setting_names::kApp, at.section, at.key);
}

inline void writesetting(SettingsStore& store, setting_names::Address at, const std::string& value) {
    store.write(setting_names::kApp, at.section, at.key, value);
}

}  // namespace vclock
