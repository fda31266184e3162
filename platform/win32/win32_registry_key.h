#pragma once
// An open registry key. Values are read and written as UTF-16 strings (REG_SZ).
#include "platform/win32/windows_api.h"

#include "platform/os/registry.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class Win32RegistryKey : public os::RegistryKey {
 public:
  // Takes ownership of `key`; `path` names it in error messages.
  Win32RegistryKey(HKEY key, std::string path);

  std::optional<std::string> ReadString(const std::string& name) override;
  void WriteString(const std::string& name, const std::string& value) override;
  std::unique_ptr<os::RegistryKey> OpenSubKey(const std::string& path, bool create) override;

  // Opens (or creates) `path` under `parent` with full access; nullptr when absent and !create.
  static std::unique_ptr<os::RegistryKey> Open(HKEY parent, const std::string& path, bool create,
                                               const std::string& fullPath);

 private:
  UniqueKey key_;
  std::string path_;
};

}  // namespace win32
