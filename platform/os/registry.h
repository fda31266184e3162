#pragma once
// The registry under the current user. Only string values are used by the assistant.
#include <memory>
#include <optional>
#include <string>

namespace os {

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // The value as text; nullopt when absent. An empty name reads the key's default value.
  // Throws RegistryTypeError when the value exists with a non-text type.
  virtual std::optional<std::string> ReadString(const std::string& name) = 0;
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  // A sub-key (path with '\'); nullptr when absent and !create.
  virtual std::unique_ptr<RegistryKey> OpenSubKey(const std::string& path, bool create) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // A key under HKEY_CURRENT_USER opened with full access; nullptr when absent and !create.
  virtual std::unique_ptr<RegistryKey> OpenCurrentUser(const std::string& path, bool create) = 0;
};

Registry& Reg();
void SetRegistry(Registry* registry);

}  // namespace os
