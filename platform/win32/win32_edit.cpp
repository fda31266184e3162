#include "platform/win32/win32_edit.h"

#include <string>

#include "platform/win32/color_ref.h"
#include "platform/win32/wide.h"

namespace win32 {

Win32Edit::Win32Edit(Win32Backend& backend, ui::Edit& edit, HWND parent)
    : Win32NativeControl(backend, edit, parent, L"EDIT",
                         ES_AUTOHSCROLL | (edit.ReadOnly() ? ES_READONLY : 0),
                         edit.Border() ? WS_EX_CLIENTEDGE : 0, Widen(edit.Text())),
      edit_(edit) {
  // 0 lifts the limit, as the model's 0 means.
  SendMessageW(Window(), EM_LIMITTEXT, WPARAM(edit_.MaxLength()), 0);
  if (Reused()) {
    // Undo must not bring back what was typed on another page.
    SendMessageW(Window(), EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(Window(), EM_SETMODIFY, FALSE, 0);
  }
}

void Win32Edit::SyncKind(unsigned what) {
  HWND window = Window();
  if (what & ui::syncText) {
    const std::wstring text = Widen(edit_.Text());
    if (WindowText() != text) {
      settingText_ = true;
      SetWindowTextW(window, text.c_str());
      settingText_ = false;
    }
  }
  if (what & ui::syncState) {
    // 0 lifts the limit, as the model's 0 means.
    SendMessageW(window, EM_LIMITTEXT, WPARAM(edit_.MaxLength()), 0);
    SendMessageW(window, EM_SETREADONLY, edit_.ReadOnly(), 0);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR wanted =
        edit_.Border() ? exStyle | WS_EX_CLIENTEDGE : exStyle & ~LONG_PTR(WS_EX_CLIENTEDGE);
    if (wanted != exStyle) {
      SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
      SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
}

void Win32Edit::Command(unsigned code) {
  if (code != EN_CHANGE || settingText_) return;
  edit_.UserChangedText(Narrow(WindowText()));
}

HBRUSH Win32Edit::ControlColor(HDC dc) {
  if (!edit_.Enabled()) return nullptr;  // the platform's greyed look
  SetTextColor(dc, ToColorRef(edit_.GetFont().color));
  if (edit_.ReadOnly()) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }
  SetBkColor(dc, ToColorRef(edit_.GetColor()));
  return ColorBrush();
}

}  // namespace win32
