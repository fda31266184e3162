#pragma once
// A native EDIT window behind ui::Edit. The model is the source of truth: programmatic
// changes are applied without being reported back, typing is reported once per change.
#include "platform/ui/edit.h"
#include "platform/win32/win32_native_control.h"

namespace win32 {

class Win32Edit : public Win32NativeControl {
 public:
  Win32Edit(Win32Backend& backend, ui::Edit& edit, HWND parent);

  void Command(unsigned code) override;
  HBRUSH ControlColor(HDC dc) override;
  bool AcceptsChar(wchar_t ch) const override { return edit_.AcceptsChar(char32_t(ch)); }

 protected:
  void SyncKind(unsigned what) override;

 private:
  ui::Edit& edit_;
  bool settingText_ = false;  // EN_CHANGE of our own SetWindowText is not the user's
};

}  // namespace win32
