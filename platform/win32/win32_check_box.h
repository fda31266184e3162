#pragma once
// A native check box behind ui::CheckBox. The box does not tick itself: a click is reported
// to the model, which decides and sends its state back, so model and box never disagree.
#include "platform/ui/check_box.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_native_control.h"

namespace win32 {

class Win32CheckBox : public Win32NativeControl {
 public:
  Win32CheckBox(Win32Backend& backend, ui::CheckBox& box, HWND parent);

  void Command(unsigned code) override;
  HBRUSH ControlColor(HDC dc) override;

 protected:
  void SyncKind(unsigned what) override;

 private:
  ui::CheckBox& box_;
  UniqueHandle<GdiObjectTraits<HBRUSH>> background_;
  COLORREF backgroundColor_ = CLR_INVALID;
};

}  // namespace win32
