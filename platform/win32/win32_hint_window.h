#pragma once
// The window a form shows its hints in: a standard tooltip with one tracking tool, owned by
// the form's window (so it goes with it and stays above it), placed just below the mouse and
// kept on the mouse's monitor. The form decides when; this only shows and hides.
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/win32/unique_handle.h"

namespace win32 {

class Win32HintWindow {
 public:
  // Without the tooltip window (the system refused it) hints are silently not shown: they
  // are a convenience, not worth an error box.
  Win32HintWindow(HWND owner, HINSTANCE module);
  ~Win32HintWindow();
  Win32HintWindow(const Win32HintWindow&) = delete;
  Win32HintWindow& operator=(const Win32HintWindow&) = delete;

  // `mouse` in screen coordinates.
  void Show(const std::wstring& text, POINT mouse);
  void Hide();
  HWND Window() const { return tip_.Get(); }

 private:
  HWND owner_;
  UniqueWindow tip_;
  bool active_ = false;
};

}  // namespace win32
