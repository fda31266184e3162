// The registry under HKEY_CURRENT_USER: a round trip of text values through created keys,
// absent keys and values, and a value of another type refused with a message naming it.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "platform/os/error.h"
#include "platform/win32/win32_registry.h"

namespace {

constexpr char kTestKey[] = "Software\\TutorTests\\RegistryTest";

class Win32RegistryTest : public ::testing::Test {
 protected:
  Win32RegistryTest() { Clean(); }
  ~Win32RegistryTest() override { Clean(); }
  static void Clean() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TutorTests"); }

  win32::Win32Registry registry;
};

TEST_F(Win32RegistryTest, TextValuesRoundTripThroughCreatedKeys) {
  EXPECT_EQ(registry.OpenCurrentUser(kTestKey, false), nullptr);

  auto key = registry.OpenCurrentUser(kTestKey, true);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("LastPage"), std::nullopt);
  key->WriteString("LastPage", "7");
  key->WriteString("Company", "Müller & Söhne");
  key->OpenSubKey("Steps\\Done", true)->WriteString("", "yes");

  auto again = registry.OpenCurrentUser(kTestKey, false);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->ReadString("LastPage"), "7");
  EXPECT_EQ(again->ReadString("Company"), "Müller & Söhne");
  EXPECT_EQ(again->OpenSubKey("Steps\\Done", false)->ReadString(""), "yes");
  EXPECT_EQ(again->OpenSubKey("Missing", false), nullptr);
}

TEST_F(Win32RegistryTest, ValueOfAnotherTypeIsRefusedByName) {
  auto key = registry.OpenCurrentUser(kTestKey, true);
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TutorTests\\RegistryTest", 0,
                          KEY_SET_VALUE, &raw),
            ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExW(raw, L"LastPage", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof(number));
  const wchar_t expandable[] = L"%TEMP%\\x";
  RegSetValueExW(raw, L"Folder", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expandable),
                 sizeof(expandable));
  RegCloseKey(raw);

  try {
    key->ReadString("LastPage");
    FAIL() << "a DWORD was read as text";
  } catch (const os::RegistryTypeError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'LastPage'");
  }
  EXPECT_EQ(key->ReadString("Folder"), "%TEMP%\\x") << "expandable text is text, unexpanded";
}

}  // namespace
