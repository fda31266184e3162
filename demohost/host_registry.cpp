#include "demohost/host_registry.h"

#include <windows.h>

namespace demohost {

namespace {
void SetIfAbsent(HKEY key, const wchar_t* name, const std::wstring& value) {
  if (RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) != ERROR_FILE_NOT_FOUND) return;
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 DWORD((value.size() + 1) * sizeof(wchar_t)));
}
}  // namespace

void RegisterInstallValues(const std::wstring& programFolder) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kTutorialKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  SetIfAbsent(key, L"SoundPath", programFolder + L"narration");
  SetIfAbsent(key, L"SampleCompany", programFolder + kSampleCompanyFile);
  RegCloseKey(key);
}

}  // namespace demohost
