// DemoHost.exe plays the accounting program: it opens a main window, loads Tutor.dll from its
// own folder, hands it the host record and reports what LaunchTutorial returned.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Tutorial/host/app_data.h"
#include "demohost/demo_main_form.h"

namespace {

// A 32-bit Boolean result: 0 or 1 in the whole register.
using LaunchTutorialFn = int(__stdcall*)(const host::TZndrAppData*);

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring OwnExecutable() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND CreateHostWindow(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = L"DemoHostMainWindow";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"Demo accounting host", WS_OVERLAPPEDWINDOW,
                                40, 40, 640, 480, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

// The host's installer names the narration folder; the demo's lies beside the program.
void RegisterNarrationFolder() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial", 0,
                      nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (RegQueryValueExW(key, L"SoundPath", nullptr, nullptr, nullptr, nullptr) == ERROR_FILE_NOT_FOUND) {
    const std::wstring folder = OwnFolder() + L"narration";
    RegSetValueExW(key, L"SoundPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   DWORD((folder.size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
}

}  // namespace

int main() {
  RegisterNarrationFolder();
  OleInitialize(nullptr);
  const std::wstring dll = OwnFolder() + L"Tutor.dll";
  HMODULE library = LoadLibraryW(dll.c_str());
  if (!library) {
    std::fprintf(stderr, "DemoHost: cannot load Tutor.dll (error %lu)\n", GetLastError());
    return 2;
  }
  // Through void*: the exported address is typed only by the contract with the library.
  auto launch = reinterpret_cast<LaunchTutorialFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "LaunchTutorial")));
  if (!launch) {
    std::fprintf(stderr, "DemoHost: Tutor.dll exports no LaunchTutorial\n");
    return 2;
  }

  const std::wstring exe = OwnExecutable();
  host::TZndrHostApplication application{reinterpret_cast<const OLECHAR*>(exe.c_str()),
                                         CreateHostWindow(GetModuleHandleW(nullptr))};
  demohost::DemoMainForm mainForm;
  host::TZndrAppData record{};
  record.HostApplication = &application;
  record.MainForm = &mainForm;

  const bool result = launch(&record) != 0;
  std::printf("LaunchTutorial returned %s\n", result ? "true" : "false");
  if (mainForm.References() != 0)
    std::fprintf(stderr, "DemoHost: the assistant kept %ld reference(s) to the host\n", mainForm.References());
  std::fflush(stdout);
  FreeLibrary(library);
  OleUninitialize();
  return result ? 0 : 1;
}
