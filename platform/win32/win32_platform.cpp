#include "platform/win32/win32_platform.h"

#include "platform/os/file_dialog.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/win32/module_resources.h"

namespace win32 {

Win32Platform::Win32Platform(HINSTANCE module) : backend_(module), app_(backend_) {
  os::SetRegistry(&registry_);
  os::SetFiles(&files_);
  os::SetDialogs(&dialogs_);
  os::SetResourceLoader(ModuleResources(module).Loader());
}

Win32Platform::~Win32Platform() {
  os::SetResourceLoader(nullptr);
  os::SetDialogs(nullptr);
  os::SetFiles(nullptr);
  os::SetRegistry(nullptr);
}

}  // namespace win32
