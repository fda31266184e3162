#include "platform/win32/win32_native_control.h"

#include <commctrl.h>

#include "platform/ui/errors.h"
#include "platform/win32/color_ref.h"
#include "platform/ui/form.h"
#include "platform/win32/event_guard.h"
#include "platform/win32/system_message.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_native_form.h"
#include "platform/win32/win32_dpi.h"

namespace win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kSelfProperty[] = L"TutorNativeControl";

}  // namespace

Win32NativeControl::Win32NativeControl(Win32Backend& backend, ui::WindowedControl& control,
                                       HWND parent, const wchar_t* className, DWORD style,
                                       DWORD exStyle)
    : backend_(backend), control_(control) {
  const DWORD tabStop = control.TabStop() ? WS_TABSTOP : 0;
  HWND window = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS | tabStop | style,
                                0, 0, 0, 0, parent, nullptr, backend.Module(), nullptr);
  if (!window) {
    throw ui::Error("Cannot create the control \"" + control.Name() + "\": " +
                    SystemMessage(GetLastError()));
  }
  window_.Reset(window);
  SetPropW(window, kSelfProperty, this);
  SetWindowSubclass(window, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Win32NativeControl::~Win32NativeControl() {
  // Detach first: destroying a focused window reports a focus loss nobody should see.
  for (HWND window : {inner_, window_.Get()}) {
    if (!window) continue;
    RemoveWindowSubclass(window, &SubclassProc, kSubclassId);
    RemovePropW(window, kSelfProperty);
  }
  window_.Reset();
}

void Win32NativeControl::AdoptInner(HWND inner) {
  inner_ = inner;
  SetPropW(inner, kSelfProperty, this);
  SetWindowSubclass(inner, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

Win32NativeControl* Win32NativeControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<Win32NativeControl*>(GetPropW(window, kSelfProperty));
}

HBRUSH Win32NativeControl::ColorBrush() {
  const COLORREF color = ToColorRef(control_.GetColor());
  if (!brush_ || color != brushColor_) {
    brush_.Reset(CreateSolidBrush(color));
    brushColor_ = color;
  }
  return brush_.Get();
}

std::wstring Win32NativeControl::WindowText() const {
  HWND window = window_.Get();
  if (!window) return {};
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

void Win32NativeControl::Sync(unsigned what) {
  HWND window = window_.Get();
  if (!window) return;
  if (what & (ui::syncBounds | ui::syncVisible)) {
    // The form's coordinates are its window's client coordinates, at the form's scale.
    const ui::Rect r = FormScale().ToDevice(control_.FormBounds());
    SetWindowPos(window, nullptr, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (what & ui::syncVisible) ShowWindow(window, control_.IsShowing() ? SW_SHOWNA : SW_HIDE);
  if (what & ui::syncEnabled) EnableWindow(window, control_.Enabled());
  if (what & ui::syncFont) {
    const ui::Font font = DeviceFont(control_.GetFont(), FormScale());
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.Fonts().Get(font)), TRUE);
  }
  if (what & ui::syncColor) InvalidateRect(window, nullptr, TRUE);
  SyncKind(what);
}

ui::Scale Win32NativeControl::FormScale() const {
  const Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window_.Get()));
  return form ? form->GetScale() : ui::Scale();
}

void Win32NativeControl::Focus() {
  if (HWND window = window_.Get()) SetFocus(window);
}

void Win32NativeControl::FocusGained() {
  if (Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window_.Get())))
    form->GetForm().FocusMovedTo(&control_);
}

void Win32NativeControl::FocusLost(HWND next) {
  Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window_.Get()));
  if (!form) return;
  // To another control of the form (or within this one): its own gain reports the move.
  if (Win32NativeControl* other = FromHandle(next); other && GetParent(other->Window()) == form->Window())
    return;
  // To the form itself (or a window inside it that is not a control): no control is active.
  if (next == form->Window() || IsChild(form->Window(), next)) {
    form->GetForm().FocusMovedTo(nullptr);
    return;
  }
  // To another window or program: the control stays active, and gets the focus back
  // when the form is activated again.
}

bool Win32NativeControl::MoveFocus(bool backwards) {
  HWND window = window_.Get();
  HWND next = GetNextDlgTabItem(GetParent(window), window, backwards);
  if (!next || next == window) return false;
  SetFocus(next);
  return true;
}

LRESULT CALLBACK Win32NativeControl::SubclassProc(HWND window, UINT message, WPARAM wparam,
                                                  LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32NativeControl*>(data);
  switch (message) {
    case WM_SYSCHAR: {
      bool handled = false;
      RunGuarded([&] {
        if (Win32NativeForm* form = Win32NativeForm::FromHandle(GetAncestor(window, GA_ROOT)))
          handled = form->DialogChar(wchar_t(wparam));
      });
      if (handled) return 0;
      break;
    }
    case WM_KEYDOWN:
      if (wparam == VK_TAB && self->MoveFocus(GetKeyState(VK_SHIFT) < 0)) return 0;
      break;
    case WM_CHAR: {
      if (wparam == L'\t') return 0;  // Tab moved the focus on key down; the edit would beep
      bool accepted = true;
      RunGuarded([&] { accepted = self->AcceptsChar(wchar_t(wparam)); });
      if (accepted) break;
      MessageBeep(MB_OK);
      return 0;
    }
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      RunGuarded([&] { self->FocusGained(); });
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
      RunGuarded([&] { self->FocusLost(reinterpret_cast<HWND>(wparam)); });
      return result;
    }
    case WM_NCDESTROY:
      // Destroyed with its form's window, before the control object goes.
      RemoveWindowSubclass(window, &SubclassProc, kSubclassId);
      RemovePropW(window, kSelfProperty);
      if (window == self->inner_)
        self->inner_ = nullptr;
      else
        self->window_.Release();
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace win32
