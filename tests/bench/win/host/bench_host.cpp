// bench_host.exe: the demo host's objects load the real Tutor.dll, and a driver inside the
// process times what the user waits for: LaunchTutorial to the end of the first paint, every
// Next and Previous of a walk there and back (first visits, then revisits), and the peak
// working set. Clicks are real mouse messages at the buttons' places; "painted" means
// RedrawWindow(RDW_UPDATENOW | RDW_ALLCHILDREN) and GdiFlush returned, as the reference
// wizard measures its pages. Prints "RESULT key value" lines; it judges nothing.
//
//   bench_host.exe [--company PATH] [--steps N] [--idle MS]
// --idle: how long the host sits in its message loop, its window painted, before the launch
// (1000 ms by default).
// The walk goes forward while the step changes (at most N Next presses), back to step 1,
// then forward again; the process ends right after it prints (the tables are not saved).
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "Tutorial/host/app_data.h"
#include "demohost/company_session.h"
#include "demohost/demo_main_form.h"
#include "demohost/host_error.h"
#include "demohost/host_registry.h"
#include "demohost/main_window.h"
#include "tests/bench/win/timing.h"

namespace {

using LaunchTutorialFn = int(__stdcall*)(const host::TZndrAppData*);

constexpr wchar_t kTitle[] = L"Company set-up - step ";
// The navigation buttons in design coordinates; the design is centred in the window.
constexpr POINT kNext{648, 566}, kPrevious{612, 566};
constexpr int kDesignWidth = 800, kDesignHeight = 600;
constexpr int kLastStep = 21;

using bench::Median;
using bench::NowMs;

double MiB(SIZE_T bytes) { return double(bytes) / (1024.0 * 1024.0); }

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}


void Result(const char* key, double value) { std::printf("RESULT %s %.3f\n", key, value); }

struct Walk {
  HWND wizard = nullptr;
  int maxSteps = 40;
  double launchAt = 0, firstPaintAt = -1;
  double wsBeforeLibrary = 0;
  enum Phase { kForward, kBack, kAgain, kDone } phase = kForward;
  int presses = 0;
  std::vector<double> nextFirst, previous, nextAgain;
  std::vector<int> path;  // the steps seen, in order
  UINT_PTR timer = 0;
};
Walk g_walk;
HHOOK g_cbtHook = nullptr, g_messageHook = nullptr;

int StepOf(HWND window) {
  wchar_t title[128] = {};
  GetWindowTextW(window, title, int(std::size(title)));
  const size_t prefix = std::wcslen(kTitle);
  if (std::wcsncmp(title, kTitle, prefix) != 0) return 0;
  return _wtoi(title + prefix);
}

void Painted(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

// Presses a navigation button as the mouse does and waits for the screen; the time taken.
double Press(HWND window, POINT design) {
  RECT client{};
  GetClientRect(window, &client);
  const int x = design.x + std::max(0L, (client.right - kDesignWidth) / 2);
  const int y = design.y + std::max(0L, (client.bottom - kDesignHeight) / 2);
  const LPARAM at = MAKELPARAM(x, y);
  const double start = NowMs();
  SendMessageW(window, WM_MOUSEMOVE, 0, at);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
  Painted(window);
  return NowMs() - start;
}

void Report() {
  const PROCESS_MEMORY_COUNTERS memory = Memory();
  std::printf("walk:");
  for (int step : g_walk.path) std::printf(" %d", step);
  std::printf("\n");
  RECT client{};
  GetClientRect(g_walk.wizard, &client);
  std::printf("client %ldx%ld\n", client.right, client.bottom);
  Result("open_ms", g_walk.firstPaintAt - g_walk.launchAt);
  Result("next_first_visit_med_ms", Median(g_walk.nextFirst));
  Result("next_first_visit_max_ms", g_walk.nextFirst.empty() ? -1 : *std::max_element(g_walk.nextFirst.begin(), g_walk.nextFirst.end()));
  Result("previous_med_ms", Median(g_walk.previous));
  Result("previous_max_ms", g_walk.previous.empty() ? -1 : *std::max_element(g_walk.previous.begin(), g_walk.previous.end()));
  Result("next_revisit_med_ms", Median(g_walk.nextAgain));
  Result("peak_ws_mib", MiB(memory.PeakWorkingSetSize));
  Result("assistant_peak_ws_mib", MiB(memory.PeakWorkingSetSize) - g_walk.wsBeforeLibrary);
  Result("steps_walked", double(g_walk.nextFirst.size()));
  std::fflush(stdout);
}

// The next leg of the walk; after the last one the figures, and the end of the process.
void EndLeg() {
  Walk& w = g_walk;
  w.presses = 0;
  w.phase = Walk::Phase(int(w.phase) + 1);
  if (w.phase != Walk::kDone) return;
  KillTimer(nullptr, w.timer);
  Report();
  // The run ends here: the walk measured what it came for, and no question may stop it.
  ExitProcess(0);
}

// One press a tick: the timer comes only when nothing else waits, so each press starts idle.
// The ticks are as far apart as a quick user's presses at least: what the wizard leaves for
// after the paint (the narration starting, devices let go) is done before the next press.
constexpr UINT kPressInterval = 60;  // ms

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  Walk& w = g_walk;
  HWND window = w.wizard;
  if (!IsWindow(window)) return;
  const int from = StepOf(window);
  if (w.phase == Walk::kDone) return;
  const bool back = w.phase == Walk::kBack;
  // Next on the last step finishes the run: a forward leg ends there.
  if (!back && from == kLastStep) {
    EndLeg();
    return;
  }
  const double ms = Press(window, back ? kPrevious : kNext);
  const int to = StepOf(window);
  const bool moved = to != from;
  ++w.presses;
  if (moved) {
    // Per step change, for finding the slow pages.
    w.path.push_back(to);
    std::printf("STEP %d %d %s %.3f\n", from, to, back ? "back" : w.phase == Walk::kForward ? "first" : "again", ms);
    (back ? w.previous : w.phase == Walk::kForward ? w.nextFirst : w.nextAgain).push_back(ms);
  }
  if (!moved || w.presses >= w.maxSteps || (back && to == 1)) EndLeg();
}

// The wizard's window as it is created (a top-level window with the wizard's title).
LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND && !g_walk.wizard) {
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs;
    if (!create->hwndParent && !IS_INTRESOURCE(create->lpszName) && create->lpszName &&
        std::wcsncmp(create->lpszName, kTitle, std::wcslen(kTitle)) == 0)
      g_walk.wizard = reinterpret_cast<HWND>(wparam);
  }
  return CallNextHookEx(g_cbtHook, code, wparam, lparam);
}

// The first WM_PAINT the loop takes for the wizard: painted here, at once and timed, so the
// end of the first paint is known exactly; the walk starts from the timer.
LRESULT CALLBACK MessageHook(int code, WPARAM wparam, LPARAM lparam) {
  auto* msg = reinterpret_cast<MSG*>(lparam);
  if (code == HC_ACTION && wparam == PM_REMOVE && g_walk.firstPaintAt < 0 && g_walk.wizard &&
      msg->hwnd == g_walk.wizard && msg->message == WM_PAINT) {
    Painted(g_walk.wizard);
    g_walk.firstPaintAt = NowMs();
    g_walk.path.push_back(StepOf(g_walk.wizard));
    g_walk.timer = SetTimer(nullptr, 0, kPressInterval, &Tick);
  }
  return CallNextHookEx(g_messageHook, code, wparam, lparam);
}

// Dispatches what waits in the queue, and returns once it is empty.
void DrainMessages() {
  for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::wstring FolderOf(const std::wstring& file) { return file.substr(0, file.find_last_of(L"\\/") + 1); }

}  // namespace

int main(int argc, char** argv) {
  const char* company = nullptr;
  int idleMs = 1000;  // the host's idle time before the user starts the assistant
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--company") == 0 && i + 1 < argc) {
      company = argv[++i];
    } else if (std::strcmp(argv[i], "--steps") == 0 && i + 1 < argc) {
      g_walk.maxSteps = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--idle") == 0 && i + 1 < argc) {
      idleMs = std::max(0, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench_host.exe [--company PATH] [--steps N] [--idle MS]\n");
      return 2;
    }
  }
  wchar_t path[MAX_PATH];
  const std::wstring exe(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  demohost::RegisterInstallValues(FolderOf(exe));
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  demohost::CompanySession session;
  if (company) {
    try {
      session.Open(company);
    } catch (const demohost::HostError& e) {
      std::fprintf(stderr, "bench_host: %s\n", e.what());
      return 2;
    }
  }
  demohost::DemoMainForm mainForm(session);
  host::TZndrHostApplication application{reinterpret_cast<const OLECHAR*>(exe.c_str()), nullptr};
  demohost::MainWindow window(session, [] {});
  application.MainWindow = window.Create();
  mainForm.SetMainWindow(window.Handle());
  // A host has sat in its message loop, its window painted, before the user starts the
  // assistant: that first paint (and the window surface it fills) is the host's, not ours.
  DrainMessages();
  GdiFlush();
  // The user's click on the host's menu comes a while after that paint, when what the system
  // still does for a new window after its first paint is over. Started at once, the assistant
  // was charged 3-9 ms of its opening and 4-9 ms of its slowest step (most often 1 to 7, a
  // walk's first) under Wine that a host left idle does not show.
  for (const double until = NowMs() + idleMs; NowMs() < until;) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(until - NowMs()) + 1, QS_ALLINPUT);
    DrainMessages();
  }

  // What the host holds before the library comes: the rest of the peak is the assistant's.
  g_walk.wsBeforeLibrary = MiB(Memory().WorkingSetSize);
  g_cbtHook = SetWindowsHookExW(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
  g_messageHook = SetWindowsHookExW(WH_GETMESSAGE, &MessageHook, nullptr, GetCurrentThreadId());
  const double loadAt = NowMs();
  HMODULE library = LoadLibraryW((FolderOf(exe) + L"Tutor.dll").c_str());
  if (!library) {
    std::fprintf(stderr, "bench_host: cannot load Tutor.dll (error %lu)\n", GetLastError());
    return 2;
  }
  auto launch = reinterpret_cast<LaunchTutorialFn>(
      reinterpret_cast<void*>(GetProcAddress(library, "LaunchTutorial")));
  if (!launch) {
    std::fprintf(stderr, "bench_host: Tutor.dll exports no LaunchTutorial\n");
    return 2;
  }
  Result("load_library_ms", NowMs() - loadAt);
  host::TZndrAppData record{};
  record.HostApplication = &application;
  record.MainForm = &mainForm;
  g_walk.launchAt = NowMs();
  launch(&record);
  // Only when the walk could not run (no window, or it closed): say what was seen.
  std::fprintf(stderr, "bench_host: the assistant returned before the walk ended\n");
  if (g_walk.wizard) Report();
  return 1;
}
