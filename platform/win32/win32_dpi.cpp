#include "platform/win32/win32_dpi.h"

namespace win32 {
namespace {

using SetThreadContextFn = void*(WINAPI*)(void*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// DPI_AWARENESS_CONTEXT values, as the system defines them (not in every SDK we build with).
void* const kPerMonitorAwareV2 = reinterpret_cast<void*>(intptr_t(-4));
void* const kPerMonitorAware = reinterpret_cast<void*>(intptr_t(-3));

template <class Fn>
Fn User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

GetDpiForMonitorFn MonitorDpiFunction() {
  // shcore stays loaded once found: the pointer outlives this call.
  static const GetDpiForMonitorFn function = []() -> GetDpiForMonitorFn {
    HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!shcore) return nullptr;
    return reinterpret_cast<GetDpiForMonitorFn>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
  }();
  return function;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  if (!screen) return ui::kDesignDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : ui::kDesignDpi;
}

}  // namespace

ThreadDpiAwareness::ThreadDpiAwareness() {
  auto set = User32Function<SetThreadContextFn>("SetThreadDpiAwarenessContext");
  if (!set) return;
  previous_ = set(kPerMonitorAwareV2);
  if (!previous_) previous_ = set(kPerMonitorAware);
}

ThreadDpiAwareness::~ThreadDpiAwareness() {
  if (!previous_) return;
  if (auto set = User32Function<SetThreadContextFn>("SetThreadDpiAwarenessContext")) set(previous_);
}

int MonitorDpi(HMONITOR monitor) {
  if (GetDpiForMonitorFn get = MonitorDpiFunction(); get && monitor) {
    UINT x = 0, y = 0;
    if (SUCCEEDED(get(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) && y > 0) return int(y);
  }
  return SystemDpi();
}

int WindowDpi(HWND window) {
  if (auto get = User32Function<GetDpiForWindowFn>("GetDpiForWindow"); get && window) {
    if (const UINT dpi = get(window); dpi > 0) return int(dpi);
  }
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

ui::Size WorkAreaSize(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!monitor || !GetMonitorInfoW(monitor, &info))
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {info.rcWork.right - info.rcWork.left, info.rcWork.bottom - info.rcWork.top};
}

ui::Scale ScaleForDpi(int dpi, HMONITOR monitor, ui::Size design) {
  return ui::Scale::Fitted(dpi, design, WorkAreaSize(monitor));
}

ui::Scale ScaleForMonitor(HMONITOR monitor, ui::Size design) {
  return ScaleForDpi(MonitorDpi(monitor), monitor, design);
}

ui::Font DeviceFont(const ui::Font& font, const ui::Scale& scale) {
  ui::Font device = font;
  device.height = scale.FontHeight(font.height);
  return device;
}

}  // namespace win32
