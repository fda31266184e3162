#include "platform/win32/disabled_windows.h"

namespace win32 {
namespace {

struct Collect {
  HWND modal;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectEnabled(HWND window, LPARAM data) {
  auto* collect = reinterpret_cast<Collect*>(data);
  if (window != collect->modal && IsWindowVisible(window) && IsWindowEnabled(window))
    collect->windows->push_back(window);
  return TRUE;
}

}  // namespace

DisabledWindows::DisabledWindows(HWND modal) {
  Collect collect{modal, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabled, reinterpret_cast<LPARAM>(&collect));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledWindows::~DisabledWindows() {
  // Enabled before the modal form hides, so the activation returns to them.
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  }
}

}  // namespace win32
