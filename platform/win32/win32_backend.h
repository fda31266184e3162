#pragma once
// The real backend: native windows for forms and windowed controls, GDI painting, the modal
// loop, the thread's timers, the desktop and the error box.
//
// The window classes are registered with the module handle given here: a DLL passes the
// HINSTANCE its DllMain received (never GetModuleHandle(nullptr), which is the host's), a
// program its own. They are unregistered when the backend goes, so forms must go first.
// Timers are the thread's own (no window: making one cost a millisecond or more of the
// opening under Wine).
#include "platform/win32/windows_api.h"

#include <map>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/scale.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/image_cache.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class Win32NativeForm;

class Win32Backend : public ui::Backend {
 public:
  explicit Win32Backend(HINSTANCE module);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::unique_ptr<ui::NativeForm> CreateNativeForm(ui::Form& form) override;
  std::unique_ptr<ui::NativeControl> CreateNativeControl(ui::WindowedControl& control) override;
  void RunModalLoop(ui::Form& form) override;
  void ProcessMessages() override;
  void StartTimer(ui::Timer& timer) override;
  void StopTimer(ui::Timer& timer) override;
  ui::Size DesktopSize() override;
  void SetDesignSize(ui::Size design) override { designSize_ = design; }
  // The scale of a form made now: that of the monitor of the active window (the primary one
  // without), fitted to the design size.
  ui::Scale ScaleForNewForm() const;
  ui::Scale ScaleForDpi(int dpi, HMONITOR monitor) const;
  void ShowErrorBox(const std::string& message) override;
  void SetOverrideCursor(ui::Cursor cursor) override;
  ui::Color ResolveColor(ui::Color color) override;
  intptr_t SendHostMessage(void* window, unsigned message, uintptr_t wparam,
                           intptr_t lparam) override;

  HINSTANCE Module() const { return module_; }
  ATOM FormClass() const { return formClass_; }
  FontCache& Fonts() { return fonts_; }
  ImageCache& Images() { return images_; }

  static HCURSOR CursorHandle(ui::Cursor cursor);

  // The first window of a control class costs far more than the next (theme data, class
  // structures, a combo box's list), and a combo box costs dozens of window-server round trips
  // however many came before: a field of each kind is made once per process, hidden, and left
  // to `form` as a spare for the first field of its kind. A form asks for it after its first
  // paint, while the first page is read, so that the first page with fields does not wait.
  bool NativeClassesPrepared() const { return nativeClassesPrepared_; }
  void PrepareNativeClasses(Win32NativeForm& form);

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void TimerElapsed(UINT_PTR id);
  // True when the modal result is set and the close query agrees; a refused close clears it.
  static bool ModalEnded(ui::Form& form);
  HWND ErrorBoxOwner() const;

  HINSTANCE module_;
  ATOM formClass_ = 0;
  FontCache fonts_;
  ImageCache images_;
  bool nativeClassesPrepared_ = false;
  std::map<UINT_PTR, ui::Timer*> timers_;  // by the id SetTimer gave
  std::vector<ui::Form*> modalForms_;
  ui::Size designSize_;
};

}  // namespace win32
