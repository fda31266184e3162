#include "platform/win32/win32_platform.h"

#include "platform/os/file_dialog.h"
#include "platform/os/file_system.h"
#include "platform/os/registry.h"
#include "platform/os/resources.h"
#include "platform/os/sound_device.h"
#include "platform/ui/pixel_memory.h"
#include "platform/win32/module_resources.h"

namespace win32 {
namespace {

// Locking makes the pages present in one call; they are unlocked at once, free to be paged
// out as any. Where the lock is refused (the working set's quota) they fault in as before.
void BringInPages(void* memory, size_t bytes) {
  if (VirtualLock(memory, bytes)) VirtualUnlock(memory, bytes);
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE module)
    : backend_(module), app_(backend_), sound_(module) {
  os::SetRegistry(&registry_);
  os::SetSoundDevice(&sound_);
  os::SetScreenReaderQuery([] {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
  });
  os::SetFiles(&files_);
  os::SetDialogs(&dialogs_);
  os::SetResourceLoader(ModuleResources(module).Loader());
  os::SetResourceViewer(ModuleResources(module).Viewer());
  ui::SetBringInPages(&BringInPages);
}

Win32Platform::~Win32Platform() {
  ui::SetBringInPages(nullptr);
  os::SetScreenReaderQuery(nullptr);
  os::SetSoundDevice(nullptr);
  os::SetResourceViewer(nullptr);
  os::SetResourceLoader(nullptr);
  os::SetDialogs(nullptr);
  os::SetFiles(nullptr);
  os::SetRegistry(nullptr);
}

}  // namespace win32
