#pragma once
// The screen's DPI as the assistant's windows see it. The per-monitor functions exist only on
// newer systems and are looked up at run time; older ones answer with the screen DC's DPI.
#include "platform/win32/windows_api.h"

#include "platform/ui/font.h"
#include "platform/ui/scale.h"

namespace win32 {

// Makes the calling thread per-monitor DPI aware for its lifetime, then restores what the
// thread had. Only the thread: the process-wide setting belongs to the host program.
class ThreadDpiAwareness {
 public:
  ThreadDpiAwareness();
  ~ThreadDpiAwareness();
  ThreadDpiAwareness(const ThreadDpiAwareness&) = delete;
  ThreadDpiAwareness& operator=(const ThreadDpiAwareness&) = delete;
  bool Active() const { return previous_ != nullptr; }

 private:
  void* previous_ = nullptr;  // the thread's former DPI_AWARENESS_CONTEXT
};

// The DPI of the monitor, or the system DPI where the system cannot tell per monitor.
int MonitorDpi(HMONITOR monitor);
int WindowDpi(HWND window);
// The monitor's work area (the desktop without task bars).
ui::Size WorkAreaSize(HMONITOR monitor);
// The scale for the monitor: its DPI, lowered so that `design` fits its work area.
ui::Scale ScaleForMonitor(HMONITOR monitor, ui::Size design);
ui::Scale ScaleForDpi(int dpi, HMONITOR monitor, ui::Size design);
// The font at the device's size; the font cache keys on the result.
ui::Font DeviceFont(const ui::Font& font, const ui::Scale& scale);

}  // namespace win32
