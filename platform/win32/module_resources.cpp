#include "platform/win32/module_resources.h"

#include "platform/os/error.h"
#include "platform/win32/wide.h"

namespace win32 {

std::string ModuleResources::ResourceName(const std::string& fileName) {
  std::string name = fileName;
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return name;
}

std::vector<uint8_t> ModuleResources::Load(const std::string& fileName) const {
  const std::string name = ResourceName(fileName);
  HRSRC info = FindResourceW(module_, Widen(name).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL handle = info ? LoadResource(module_, info) : nullptr;
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) throw os::OsError("The resource \"" + fileName + "\" (" + name + ") is missing");
  const auto* bytes = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module_, info));
}

os::ResourceLoader ModuleResources::Loader() const {
  return [resources = *this](const std::string& name) { return resources.Load(name); };
}

}  // namespace win32
