// What the user feels in the wizard window under the real backend: building and first
// painting the window, one step change painted to the screen, one idle pass over the actions.
// Reports medians; it judges nothing.
#include "platform/win32/windows_api.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Tutorial/AssPblcVars.h"
#include "Tutorial/ContSheet.h"
#include "Tutorial/Main.h"
#include "platform/os/registry.h"
#include "platform/ui/application.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "tests/bench/win/timing.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

using bench::Median;

std::string ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = win32::Narrow(temp) + "tutor-bench\\";
  CreateDirectoryW(win32::Widen(folder).c_str(), nullptr);
  // Emptied: tables or a recovery file an interrupted run left would raise start-up questions.
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win32::Widen(folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW((win32::Widen(folder) + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return folder;
}

// A silent 16-bit mono 22050 Hz WAV of `seconds`.
void WriteTestWav(const std::string& path, int seconds) {
  const uint32_t data = uint32_t(seconds) * 22050 * 2;
  std::vector<uint8_t> b(44 + data, 0);
  auto put = [&](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
  };
  auto tag = [&](size_t at, const char* s) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(s[i]);
  };
  tag(0, "RIFF"), put(4, 36 + data, 4), tag(8, "WAVE");
  tag(12, "fmt "), put(16, 16, 4), put(20, 1, 2), put(22, 1, 2), put(24, 22050, 4);
  put(28, 44100, 4), put(32, 2, 2), put(34, 16, 2);
  tag(36, "data"), put(40, data, 4);
  HANDLE file = CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, b.data(), DWORD(b.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  const auto coldStart = Clock::now();
  auto platform = std::make_unique<win32::Win32Platform>(GetModuleHandleW(nullptr));
  const std::string folder = ScratchFolder();
  os::Reg().OpenCurrentUser("Software\\Tavrilenk\\Zendri Accounting 2000\\Main", true)->WriteString("", folder);
  // Every window starts as a first run: the steps walked below save their progress, and a
  // window opened on progress past the creation with no company asks whether to start over.
  const auto freshStart = [] {
    os::Reg()
        .OpenCurrentUser("Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial", true)
        ->WriteString("LastPage", "1");
  };
  const std::string host = folder + "host.exe";

  // Window built, shown and painted once: what LaunchTutorial does before the user sees it.
  std::vector<double> startup;
  for (int run = 0; run < 7; ++run) {
    freshStart();
    const auto start = run == 0 ? coldStart : Clock::now();
    tutorial::TfmMain window(host);
    window.Show();
    window.Native()->Update();
    startup.push_back(Ms(Clock::now() - start));
  }

  freshStart();
  tutorial::TfmMain window(host);
  window.Show();
  window.Native()->Update();
  std::vector<double> steps;
  for (int i = 0; i < 60; ++i) {
    const int step = 8 + i % 13;  // the set-up steps, each a fresh page
    const auto start = Clock::now();
    window.GoToStep(step);
    window.Native()->Update();
    steps.push_back(Ms(Clock::now() - start));
  }
  std::vector<double> creationSteps;
  for (int i = 0; i < 20; ++i) {
    const int step = 2 + i % 3;  // pages with native edits
    const auto start = Clock::now();
    window.GoToStep(step);
    window.Native()->Update();
    creationSteps.push_back(Ms(Clock::now() - start));
  }
  // A step change while a narration plays: the leaving page stops it (MCI_STOP, which waits
  // for the device), and the player closes it when the next narration starts.
  const std::string wav = folder + "narration.wav";
  WriteTestWav(wav, 20);
  tutorial::SoundFolder() = folder;
  std::vector<double> narratingSteps, stops;
  for (int i = 0; i < 20; ++i) {
    window.PageOf(window.CurrentStep())->PlaySound("narration.wav");
    Sleep(150);  // well into the playback
    const auto start = Clock::now();
    window.GoToStep(8 + i % 13);
    window.Native()->Update();
    narratingSteps.push_back(Ms(Clock::now() - start));
  }
  for (int i = 0; i < 10; ++i) {
    tutorial::TfmContentSheet* page = window.PageOf(window.CurrentStep());
    page->PlaySound("narration.wav");
    Sleep(150);
    const auto start = Clock::now();
    page->StopSound();
    stops.push_back(Ms(Clock::now() - start));
  }
  DeleteFileW(win32::Widen(wav).c_str());

  // Next through the set-up steps as the user presses it: 9 to 21 on their first visit in a
  // run (first-visit timer, fresh page), then the same presses again in that run.
  std::vector<double> firstNext, revisitNext;
  for (int run = 0; run < 5; ++run) {
    freshStart();
    tutorial::TfmMain fresh(host);
    fresh.Show();
    fresh.GoToStep(8);
    fresh.Native()->Update();
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 1) fresh.GoToStep(8);
      for (int step = 9; step <= 21; ++step) {
        ui::Application::Instance().Idle();
        const auto start = Clock::now();
        fresh.acNext->Execute();
        fresh.Native()->Update();
        (pass == 0 ? firstNext : revisitNext).push_back(Ms(Clock::now() - start));
      }
    }
  }

  // One pass is shorter than the clock's resolution here: time batches of passes.
  std::vector<double> idle;
  for (int batch = 0; batch < 21; ++batch) {
    const auto start = Clock::now();
    for (int i = 0; i < 1000; ++i) ui::Application::Instance().Idle();
    idle.push_back(Ms(Clock::now() - start));  // ms per 1000 passes = us per pass
  }

  std::printf("first paint, cold (platform set-up included): %.2f ms\n", startup.front());
  std::printf("window built, shown and painted: median %.2f ms over %zu runs\n",
              Median({startup.begin() + 1, startup.end()}), startup.size() - 1);
  std::printf("step change painted (set-up steps): median %.3f ms over %zu\n", Median(steps), steps.size());
  std::printf("step change painted (creation steps, native edits): median %.3f ms over %zu\n",
              Median(creationSteps), creationSteps.size());
  std::printf("step change painted while a narration plays: median %.3f ms over %zu\n",
              Median(narratingSteps), narratingSteps.size());
  std::printf("stopping a playing narration (MCI_STOP): median %.3f ms over %zu\n", Median(stops),
              stops.size());
  std::printf("Next on the set-up steps, first visit: median %.3f ms over %zu\n",
              Median(firstNext), firstNext.size());
  std::printf("Next on the set-up steps, revisit: median %.3f ms over %zu\n", Median(revisitNext),
              revisitNext.size());
  std::printf("idle action update (all lists): median %.3f us over %zu batches of 1000\n", Median(idle), idle.size());
  return 0;
}
