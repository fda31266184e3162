#pragma once
// Reads the program's design resources (pictures, image strips) from a module's RCDATA.
//
// Naming rule shared with the resource scripts (resources/Tutor.rc, tests/win/*.rc): a file
// is stored as an RCDATA resource named after its file name in upper case, e.g.
//   MAIN_BACKGROUND.JPG RCDATA "skin/main_background.jpg"
// and os::LoadResource("main_background.jpg") finds it here.
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/os/resources.h"

namespace win32 {

class ModuleResources {
 public:
  // The module holding the resources: the DLL's own HINSTANCE, or a program's.
  explicit ModuleResources(HMODULE module) : module_(module) {}

  // The bytes of the resource for a file name; throws os::OsError when there is none.
  std::vector<uint8_t> Load(const std::string& fileName) const;
  // The bytes where they lie in the module's image, valid while it is loaded; empty when
  // there is no such resource.
  std::span<const uint8_t> View(const std::string& fileName) const;
  // The resource name of a file name ("main_background.jpg" -> "MAIN_BACKGROUND.JPG").
  static std::string ResourceName(const std::string& fileName);
  // A loader for os::SetResourceLoader.
  os::ResourceLoader Loader() const;
  // A viewer for os::SetResourceViewer.
  os::ResourceViewer Viewer() const;

 private:
  HMODULE module_;
};

}  // namespace win32
