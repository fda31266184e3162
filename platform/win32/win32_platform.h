#pragma once
// Everything the program needs from Windows, set up by one object: the backend, the
// application, the registry, the file system and the resource loader, all bound to the
// module that holds the resources and registers the window classes (the DLL's HINSTANCE
// from DllMain, or a program's own). Installed while it lives, uninstalled after.
#include "platform/win32/windows_api.h"

#include "platform/ui/application.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_sound_device.h"

namespace win32 {

class Win32Platform {
 public:
  explicit Win32Platform(HINSTANCE module);
  ~Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Win32Backend& Backend() { return backend_; }
  ui::Application& App() { return app_; }
  Win32Registry& Registry() { return registry_; }
  Win32FileSystem& Files() { return files_; }
  Win32SoundDevice& Sound() { return sound_; }

 private:
  Win32Backend backend_;
  ui::Application app_;  // after the backend it uses, so it goes first
  Win32Registry registry_;
  Win32FileSystem files_;
  Win32SoundDevice sound_;
};

}  // namespace win32
