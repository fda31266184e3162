#pragma once
// The demo host's own window classes: registered once, and the procedure that hands every
// message of a window to the object that created it.
#include <windows.h>

#include <exception>

#include "demohost/modal_loop.h"

namespace demohost {

// Registers the class on its first use (face colour, arrow cursor); later calls do nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC proc, HICON icon = nullptr);

// The window procedure of a window whose create parameter is a T: WM_NCCREATE keeps the
// object with the window and sets its `window_`; every message then goes to T::Handle. An
// error escaping a handler is shown, never thrown through the system's code.
template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  try {
    return self->Handle(message, wparam, lparam);
  } catch (const std::exception& e) {
    ShowError(window, e.what());
    return 0;
  }
}

}  // namespace demohost
