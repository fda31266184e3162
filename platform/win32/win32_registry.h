#pragma once
// The registry under HKEY_CURRENT_USER, keys opened with full access.
#include "platform/os/registry.h"

namespace win32 {

class Win32Registry : public os::Registry {
 public:
  std::unique_ptr<os::RegistryKey> OpenCurrentUser(const std::string& path, bool create) override;
};

}  // namespace win32
