#include "app/win32/registry_settings_store.h"

#include <windows.h>

#include "app/win32/win_text.h"

namespace vclock::win32 {
namespace {

std::wstring keyPath(const std::string& app, const std::string& section) {
    return L"Software\\" + toWide(app) + L"\\" + toWide(section);
}

// Key names with a backslash would address another key, and an empty value
// name the key's default value; neither is a value of ours.
bool usableName(const std::string& name) { return !name.empty() && name.find('\\') == std::string::npos; }

}  // namespace

std::string RegistrySettingsStore::read(const std::string& app, const std::string& section, const std::string& key) {
    if (!usableName(app) || !usableName(section) || key.empty()) return {};
    const std::wstring path = keyPath(app, section);
    const std::wstring name = toWide(key);
    constexpr DWORD kStrings = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    // The value can change between asking its size and reading it (another
    // copy of the program): ask again until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), kStrings, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS) {
            return {};
        }
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), kStrings, nullptr, value.data(), &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return {};
        value.resize(wcsnlen(value.c_str(), value.size()));
        return toUtf8(value);
    }
    return {};
}

void RegistrySettingsStore::write(const std::string& app, const std::string& section, const std::string& key,
                                  const std::string& value) {
    if (!usableName(app) || !usableName(section) || key.empty()) return;
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring name = toWide(key);
    const std::wstring data = toWide(value);
    RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

}  // namespace vclock::win32
