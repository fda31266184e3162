#pragma once
// While a form is modal, the thread's other windows (the host's main window, an outer modal
// form) take no input, as under a modal dialog. Disables the visible, enabled top-level
// windows of the thread except `modal` for its lifetime and enables them again after.
#include "platform/win32/windows_api.h"

#include <vector>

namespace win32 {

class DisabledWindows {
 public:
  explicit DisabledWindows(HWND modal);
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

  const std::vector<HWND>& Windows() const { return disabled_; }

 private:
  std::vector<HWND> disabled_;
};

}  // namespace win32
