#include "platform/win32/win32_hint_window.h"

#include <commctrl.h>

#include <algorithm>

namespace win32 {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;  // longer hints wrap

void InitToolTipClass() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

// The size older common controls accept as well as the current ones.
TTTOOLINFOW ToolOf(HWND owner) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner;
  tool.uId = kToolId;
  return tool;
}

// How far below the mouse's hot spot the tip goes: clear of the arrow's picture.
int CursorDrop() { return GetSystemMetrics(SM_CYCURSOR) * 2 / 3; }

}  // namespace

Win32HintWindow::Win32HintWindow(HWND owner, HINSTANCE module) : owner_(owner) {
  InitToolTipClass();
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, module, nullptr);
  if (!tip) return;
  TTTOOLINFOW tool = ToolOf(owner_);
  tool.lpszText = const_cast<wchar_t*>(L"");
  if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
    DestroyWindow(tip);
    return;
  }
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  tip_.Reset(tip);
}

Win32HintWindow::~Win32HintWindow() { Hide(); }

void Win32HintWindow::Show(const std::wstring& text, POINT mouse) {
  HWND tip = tip_.Get();
  if (!tip) return;
  Hide();
  TTTOOLINFOW tool = ToolOf(owner_);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));

  // Below the mouse; above it where the monitor ends, and never past its sides.
  const LRESULT bubble = SendMessageW(tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
  const int width = LOWORD(bubble);
  const int height = HIWORD(bubble);
  POINT at{mouse.x, mouse.y + CursorDrop()};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromPoint(mouse, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& area = monitor.rcWork;
    if (at.y + height > area.bottom) at.y = mouse.y - height;
    at.x = std::max(LONG(area.left), std::min(at.x, LONG(area.right - width)));
    at.y = std::max(LONG(area.top), at.y);
  }
  SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  active_ = true;
}

void Win32HintWindow::Hide() {
  if (!active_ || !tip_) return;
  TTTOOLINFOW tool = ToolOf(owner_);
  SendMessageW(tip_.Get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  active_ = false;
}

}  // namespace win32
