// The one export. No C++ exception crosses it: the host may be written in any language.
#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "Tutorial/AssPblcProc.h"
#include "Tutorial/Main.h"
#include "Tutorial/host/app_data.h"
#include "dll/library.h"
#include "platform/ui/errors.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_platform.h"

namespace {

// The platform lives from the first run until the library is unloaded.
win32::Win32Platform& Platform() {
  static std::unique_ptr<win32::Win32Platform> platform;
  if (!platform) platform = std::make_unique<win32::Win32Platform>(tutor_dll::Module());
  return *platform;
}

std::string ProcessExecutable() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return win32::Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

void ShowStartError(const char* message) {
  MessageBoxW(nullptr, win32::Widen(message).c_str(), L"Error", MB_ICONERROR | MB_OK);
}

}  // namespace

// The result fills the whole result register (0 or 1), so a host that reads a one-byte, a
// 16-bit or a 32-bit Boolean sees the same answer.
extern "C" __declspec(dllexport) int __stdcall LaunchTutorial(const host::TZndrAppData* appData) {
  try {
    if (!appData) throw ui::Error("The accounting program passed no data to the assistant.");
    Platform();
    // Inside DllMain the loader lock is held: the shared settings are read here instead.
    tutorial::LoadSharedSettings();
    // The assistant's windows follow their monitor's DPI; the host's own setting stays.
    win32::ThreadDpiAwareness dpiAwareness;
    // The narration's last device is let go as the run ends, however it ends: later it would
    // be from inside the loader's lock.
    struct FinishSound {
      ~FinishSound() { Platform().Sound().FinishPending(); }
    } finishSound;
    return tutorial::RunTutorial(*appData, ProcessExecutable()) ? 1 : 0;
  } catch (const std::exception& e) {
    ShowStartError(e.what());
  } catch (...) {
    ShowStartError("The assistant could not be started.");
  }
  return 0;
}
