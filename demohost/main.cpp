// DemoHost.exe plays the accounting program: its main window works on one company database
// at a time, it loads Tutor.dll from its own folder and starts the set-up assistant at once.
// Without --stay it ends when the assistant returns; with it the main window stays and can
// start the assistant again. --company PATH opens that company first. The exit code tells
// what the last LaunchTutorial returned (0 true, 1 false); 3 when the assistant kept
// references to the host's objects; 2 for a start-up failure.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "Tutorial/host/app_data.h"
#include "demohost/company_session.h"
#include "demohost/demo_main_form.h"
#include "demohost/faults.h"
#include "demohost/host_error.h"
#include "demohost/host_registry.h"
#include "demohost/live_objects.h"
#include "demohost/main_window.h"

namespace {

// BOOL-sized: the export returns 0 or 1 in a 32-bit register.
using LaunchTutorialFn = int(__stdcall*)(const host::TZndrAppData*);

std::wstring OwnExecutable() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

std::wstring FolderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L"\\/") + 1); }

struct Run {
  LaunchTutorialFn launch;
  demohost::DemoMainForm* mainForm;
  host::TZndrHostApplication* application;
  demohost::MainWindow* window;
  bool lastResult = false;
  bool leaked = false;

  void operator()() {
    window->SetAssistantRunning(true);
    host::TZndrAppData record{};
    record.HostApplication = application;
    record.MainForm = mainForm;
    lastResult = launch(&record) != 0;
    window->SetAssistantRunning(false);
    std::printf("LaunchTutorial returned %s\n", lastResult ? "true" : "false");
    std::fflush(stdout);
    // The host keeps none of its objects between calls: what is alive now, the assistant holds.
    if (mainForm->References() != 0) {
      std::fprintf(stderr, "DemoHost: the assistant kept %ld reference(s) to the host\n", mainForm->References());
      leaked = true;
    }
    if (demohost::LiveObjects::Total() != 0) {
      std::fprintf(stderr, "DemoHost: the assistant kept host objects alive: %s\n",
                   demohost::LiveObjects::Describe().c_str());
      leaked = true;
    }
    std::fflush(stderr);
  }
};

}  // namespace

int main(int argc, char** argv) {
  bool stay = false;
  const char* company = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--stay") == 0) {
      stay = true;
    } else if (std::strcmp(argv[i], "--company") == 0 && i + 1 < argc) {
      company = argv[++i];
    } else {
      std::fprintf(stderr, "usage: DemoHost.exe [--stay] [--company PATH]\n");
      return 2;
    }
  }
  try {
    demohost::LoadFaultsFromEnvironment();
  } catch (const demohost::HostError& e) {
    std::fprintf(stderr, "DemoHost: %s\n", e.what());
    return 2;
  }
  const std::wstring exe = OwnExecutable();
  demohost::RegisterInstallValues(FolderOf(exe));
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  const std::wstring dll = FolderOf(exe) + L"Tutor.dll";
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

  demohost::CompanySession session;
  if (company) {
    try {
      session.Open(company);
    } catch (const demohost::HostError& e) {
      std::fprintf(stderr, "DemoHost: %s\n", e.what());
      return 2;
    }
  }
  demohost::DemoMainForm mainForm(session);
  host::TZndrHostApplication application{reinterpret_cast<const OLECHAR*>(exe.c_str()), nullptr};
  Run run{launch, &mainForm, &application, nullptr};
  demohost::MainWindow window(session, [&run] { run(); });
  run.window = &window;
  application.MainWindow = window.Create();
  mainForm.SetMainWindow(window.Handle());

  run();
  if (stay) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (!IsDialogMessageW(window.Handle(), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  } else if (IsWindow(window.Handle())) {
    DestroyWindow(window.Handle());
  }
  session.Close();
  FreeLibrary(library);
  OleUninitialize();
  if (run.leaked) return 3;
  return run.lastResult ? 0 : 1;
}
