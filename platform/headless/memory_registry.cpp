#include "platform/headless/memory_registry.h"

#include <algorithm>
#include <cctype>

#include "platform/os/error.h"

namespace headless {
namespace {

std::string Folded(const std::string& name) {
  std::string folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('\\', start), path.size());
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

// Nodes are never removed, so a key object stays valid as long as the registry.
struct MemoryRegistry::Node {
  std::map<std::string, std::unique_ptr<Node>> subKeys;  // by folded name
  std::map<std::string, MemoryRegistry::Value> values;   // by folded name

  Node* Find(const std::string& path, bool create) {
    Node* node = this;
    for (const std::string& part : SplitPath(path)) {
      const std::string key = Folded(part);
      auto it = node->subKeys.find(key);
      if (it == node->subKeys.end()) {
        if (!create) return nullptr;
        it = node->subKeys.emplace(key, std::make_unique<Node>()).first;
      }
      node = it->second.get();
    }
    return node;
  }
};

namespace {

class MemoryKey : public os::RegistryKey {
 public:
  explicit MemoryKey(MemoryRegistry::Node& node) : node_(node) {}

  std::optional<std::string> ReadString(const std::string& name) override {
    const auto it = node_.values.find(Folded(name));
    if (it == node_.values.end()) return std::nullopt;
    if (const auto* text = std::get_if<std::string>(&it->second)) return *text;
    throw os::RegistryTypeError("Invalid data type for '" + name + "'");
  }

  void WriteString(const std::string& name, const std::string& value) override {
    node_.values[Folded(name)] = value;
  }

  std::unique_ptr<os::RegistryKey> OpenSubKey(const std::string& path, bool create) override {
    MemoryRegistry::Node* node = node_.Find(path, create);
    return node ? std::make_unique<MemoryKey>(*node) : nullptr;
  }

 private:
  MemoryRegistry::Node& node_;
};

}  // namespace

MemoryRegistry::MemoryRegistry() : root_(std::make_unique<Node>()) {}
MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<os::RegistryKey> MemoryRegistry::OpenCurrentUser(const std::string& path,
                                                                 bool create) {
  Node* node = root_->Find(path, create);
  return node ? std::make_unique<MemoryKey>(*node) : nullptr;
}

void MemoryRegistry::SetValue(const std::string& keyPath, const std::string& name, Value value) {
  root_->Find(keyPath, true)->values[Folded(name)] = std::move(value);
}

std::optional<MemoryRegistry::Value> MemoryRegistry::GetValue(const std::string& keyPath,
                                                              const std::string& name) const {
  const Node* node = root_->Find(keyPath, false);
  if (!node) return std::nullopt;
  const auto it = node->values.find(Folded(name));
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

bool MemoryRegistry::KeyExists(const std::string& keyPath) const {
  return root_->Find(keyPath, false) != nullptr;
}

}  // namespace headless
