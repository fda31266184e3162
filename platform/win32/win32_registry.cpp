#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/win32_registry_key.h"

namespace win32 {

std::unique_ptr<os::RegistryKey> Win32Registry::OpenCurrentUser(const std::string& path,
                                                                bool create) {
  return Win32RegistryKey::Open(HKEY_CURRENT_USER, path, create, "HKEY_CURRENT_USER\\" + path);
}

}  // namespace win32
