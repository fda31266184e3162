#include "demohost/modal_loop.h"

#include "demohost/files.h"
#include "demohost/window_class.h"

#include <set>
#include <string>

namespace demohost {

void RunModalLoop(HWND window, HWND owner, const bool& done) {
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
  MSG msg;
  while (!done && IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(int(msg.wParam));  // the outer loop ends too
      break;
    }
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // The owner first, so activation goes back to it and not to another program.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (IsWindow(window)) DestroyWindow(window);
  if (owner) SetForegroundWindow(owner);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC proc, HICON icon) {
  static std::set<std::wstring> registered;
  if (!registered.insert(name).second) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassW(&wc);
}

HWND ModalOwner(HWND fallback) {
  HWND active = GetActiveWindow();
  return active ? active : fallback;
}

void CentreOver(HWND window, HWND owner) {
  RECT w, o;
  GetWindowRect(window, &w);
  if (!owner || !GetWindowRect(owner, &o) || IsIconic(owner))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &o, 0);
  const int width = w.right - w.left, height = w.bottom - w.top;
  int x = o.left + (o.right - o.left - width) / 2, y = o.top + (o.bottom - o.top - height) / 2;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT UiFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof m;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0);
    return CreateFontIndirectW(&m.lfMessageFont);
  }();
  return font;
}

void ShowError(HWND owner, const std::string& text) {
  MessageBoxW(owner, Wide(text).c_str(), L"Demo accounting host", MB_OK | MB_ICONERROR);
}

}  // namespace demohost
