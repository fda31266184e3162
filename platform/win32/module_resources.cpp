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

std::span<const uint8_t> ModuleResources::View(const std::string& fileName) const {
  HRSRC info = FindResourceW(module_, Widen(ResourceName(fileName)).c_str(),
                             MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL handle = info ? LoadResource(module_, info) : nullptr;
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) return {};
  return {static_cast<const uint8_t*>(data), size_t(SizeofResource(module_, info))};
}

std::vector<uint8_t> ModuleResources::Load(const std::string& fileName) const {
  const std::span<const uint8_t> bytes = View(fileName);
  if (!bytes.data())
    throw os::OsError("The resource \"" + fileName + "\" (" + ResourceName(fileName) + ") is missing");
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

os::ResourceLoader ModuleResources::Loader() const {
  return [resources = *this](const std::string& name) { return resources.Load(name); };
}

os::ResourceViewer ModuleResources::Viewer() const {
  return [resources = *this](const std::string& name) { return resources.View(name); };
}

}  // namespace win32
