#include "platform/win32/win32_platform.h"

#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/os/sound_device.h"
#include "platform/win32/module_resources.h"

namespace win32 {

Win32Platform::Win32Platform(HINSTANCE module)
    : backend_(module), app_(backend_), sound_(module) {
  os::SetRegistry(&registry_);
  os::SetSoundDevice(&sound_);
  os::SetScreenReaderQuery([] {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
  });
  os::SetFiles(&files_);
  os::SetResourceLoader(ModuleResources(module).Loader());
}

Win32Platform::~Win32Platform() {
  os::SetScreenReaderQuery(nullptr);
  os::SetSoundDevice(nullptr);
  os::SetResourceLoader(nullptr);
  os::SetFiles(nullptr);
  os::SetRegistry(nullptr);
}

}  // namespace win32
