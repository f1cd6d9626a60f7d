#include "app/win32/registry_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace vclock::win32 {
namespace {

// An application name of the tests' own, so the clock's values are never touched.
constexpr const char* kApp = "Vordane Clock Backend Test";

class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vordane Clock Backend Test"); }
    void TearDown() override { SetUp(); }

    RegistrySettingsStore store;
};

TEST_F(RegistrySettingsStoreTest, ReadsBackEveryValueExactly) {
    const std::string values[] = {
        "12:00:00 PM", "  leading and trailing  ", "", "Grüße, 時計 and ☃", std::string(100000, '7'),
    };
    for (const std::string& value : values) {
        store.write(kApp, "Alarm", "currentime", value);
        EXPECT_EQ(store.read(kApp, "Alarm", "currentime"), value) << value.substr(0, 40);
    }
}

TEST_F(RegistrySettingsStoreTest, MissingApplicationSectionOrKeyReadsEmpty) {
    EXPECT_EQ(store.read(kApp, "Alarm", "currentime"), "");
    store.write(kApp, "Alarm", "currentime", "7:30:00 AM");
    EXPECT_EQ(store.read(kApp, "Popup", "currentime"), "");
    EXPECT_EQ(store.read(kApp, "Alarm", "okornot"), "");
    EXPECT_EQ(store.read("Nobody Here", "Alarm", "currentime"), "");
}

TEST_F(RegistrySettingsStoreTest, LivesUnderTheApplicationAndSectionKeys) {
    store.write(kApp, "Popup", "okornot", "false");
    wchar_t data[16] = {};
    DWORD size = sizeof(data);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vordane Clock Backend Test\\Popup", L"okornot",
                           RRF_RT_REG_SZ, nullptr, data, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, L"false");
}

TEST_F(RegistrySettingsStoreTest, HandEditedValuesThatAreNoStringsReadEmpty) {
    const DWORD number = 5;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vordane Clock Backend Test\\Alarm", L"currentime", REG_DWORD,
                    &number, sizeof(number));
    EXPECT_EQ(store.read(kApp, "Alarm", "currentime"), "");
    // And a string written over it replaces it whole.
    store.write(kApp, "Alarm", "currentime", "8:00:00 PM");
    EXPECT_EQ(store.read(kApp, "Alarm", "currentime"), "8:00:00 PM");
}

TEST_F(RegistrySettingsStoreTest, NamesThatWouldAddressOtherPlacesAreNotUsed) {
    store.write(kApp, "Alarm\\Deeper", "currentime", "1:00:00 AM");
    EXPECT_EQ(store.read(kApp, "Alarm\\Deeper", "currentime"), "");
    EXPECT_EQ(store.read(kApp, "Alarm", "currentime"), "");
    store.write(kApp, "Alarm", "", "the default value");
    EXPECT_EQ(store.read(kApp, "Alarm", ""), "");
}

}  // namespace
}  // namespace vclock::win32
