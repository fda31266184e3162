#include "platform/win32/win32_check_box.h"

#include "platform/win32/color_ref.h"
#include "platform/win32/wide.h"

namespace win32 {

Win32CheckBox::Win32CheckBox(Win32Backend& backend, ui::CheckBox& box, HWND parent)
    : Win32NativeControl(backend, box, parent, L"BUTTON", BS_CHECKBOX, 0, Widen(box.Caption())),
      box_(box) {
  if (box_.Checked() || Reused())
    SendMessageW(Window(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::SyncKind(unsigned what) {
  HWND window = Window();
  if (what & ui::syncText) SetWindowTextW(window, Widen(box_.Caption()).c_str());
  if (what & ui::syncState)
    SendMessageW(window, BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::Command(unsigned code) {
  if (code == BN_CLICKED) box_.UserToggled();
}

// The box and its caption sit on the colour of the control (the page's colour).
HBRUSH Win32CheckBox::ControlColor(HDC dc) {
  const COLORREF color = ToColorRef(box_.GetColor());
  if (!background_ || color != backgroundColor_) {
    background_.Reset(CreateSolidBrush(color));
    backgroundColor_ = color;
  }
  SetBkColor(dc, color);
  SetTextColor(dc, ToColorRef(box_.GetFont().color));
  return background_.Get();
}

}  // namespace win32
