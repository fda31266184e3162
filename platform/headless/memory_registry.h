#pragma once
// An in-memory registry for the headless backend and the tests. Key and value names are
// case-insensitive, as on Windows. Values are typed so that a test can store a number where
// text is expected.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/os/registry.h"

namespace headless {

class MemoryRegistry : public os::Registry {
 public:
  using Value = std::variant<std::string, uint32_t, std::vector<uint8_t>>;  // SZ, DWORD, BINARY

  MemoryRegistry();
  ~MemoryRegistry() override;

  std::unique_ptr<os::RegistryKey> OpenCurrentUser(const std::string& path, bool create) override;

  // Test set-up and inspection under the current user; keys are created as needed.
  void SetValue(const std::string& keyPath, const std::string& name, Value value);
  std::optional<Value> GetValue(const std::string& keyPath, const std::string& name) const;
  bool KeyExists(const std::string& keyPath) const;

  struct Node;

 private:
  std::unique_ptr<Node> root_;
};

}  // namespace headless
