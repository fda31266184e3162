#include "platform/win32/win32_registry_key.h"

#include <vector>

#include "platform/os/error.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide.h"

namespace win32 {

Win32RegistryKey::Win32RegistryKey(HKEY key, std::string path)
    : key_(key), path_(std::move(path)) {}

std::unique_ptr<os::RegistryKey> Win32RegistryKey::Open(HKEY parent, const std::string& path,
                                                        bool create,
                                                        const std::string& fullPath) {
  const std::wstring widePath = Widen(path);
  HKEY key = nullptr;
  LONG status;
  if (create) {
    status = RegCreateKeyExW(parent, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr);
  } else {
    status = RegOpenKeyExW(parent, widePath.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (status == ERROR_FILE_NOT_FOUND) return nullptr;
  }
  if (status != ERROR_SUCCESS)
    throw os::OsError("Cannot open the registry key '" + fullPath + "': " + SystemMessage(DWORD(status)));
  return std::make_unique<Win32RegistryKey>(key, fullPath);
}

std::optional<std::string> Win32RegistryKey::ReadString(const std::string& name) {
  const std::wstring wideName = Widen(name);
  // The value may change between asking for its size and reading it: retry on growth.
  std::vector<BYTE> data(256);
  DWORD type = 0;
  for (;;) {
    DWORD size = DWORD(data.size());
    const LONG status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type,
                                         data.data(), &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status == ERROR_MORE_DATA) {
      data.resize(size_t(size) + sizeof(wchar_t));
      continue;
    }
    if (status != ERROR_SUCCESS) {
      throw os::OsError("Cannot read the registry value '" + name + "': " +
                        SystemMessage(DWORD(status)));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
      throw os::RegistryTypeError("Invalid data type for '" + name + "'");
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    // Stored strings usually end with their terminator, but need not.
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return Narrow(text);
  }
}

void Win32RegistryKey::WriteString(const std::string& name, const std::string& value) {
  const std::wstring wideValue = Widen(value);
  const LONG status = RegSetValueExW(key_.Get(), Widen(name).c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(wideValue.c_str()),
                                     DWORD((wideValue.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) {
    throw os::OsError("Cannot write the registry value '" + name + "': " +
                      SystemMessage(DWORD(status)));
  }
}

std::unique_ptr<os::RegistryKey> Win32RegistryKey::OpenSubKey(const std::string& path,
                                                              bool create) {
  return Open(key_.Get(), path, create, path_ + "\\" + path);
}

}  // namespace win32
