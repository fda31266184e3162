#include "platform/win32/win32_native_control.h"

#include <commctrl.h>

#include <utility>

#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
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

// The window procedure the system gave the window's class: where a subclassed window's
// messages go on, and where those of a window no control owns any more go.
LRESULT CallClassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
  return CallWindowProcW(proc, window, message, wparam, lparam);
}

// The styles Sync keeps to the model, whoever had the window before.
constexpr LONG_PTR kSyncedStyles = WS_VISIBLE | WS_DISABLED | WS_TABSTOP;

}  // namespace

Win32NativeControl::Win32NativeControl(Win32Backend& backend, ui::WindowedControl& control,
                                       HWND parent, const wchar_t* className, DWORD style,
                                       DWORD exStyle, const std::wstring& text,
                                       int extraHeight)
    : backend_(backend), control_(control), className_(className), style_(style), exStyle_(exStyle) {
  const ui::Scale scale = Win32NativeForm::ScaleOf(parent);
  placed_ = scale.ToDevice(control.FormBounds());
  givenHeight_ = placed_.Height() + extraHeight;
  shown_ = control.IsShowing();
  enabled_ = control.Enabled();
  font_ = backend_.Fonts().Get(DeviceFont(control_.GetFont(), scale));
  HWND window = Reuse(parent, text, extraHeight);
  if (!window) {
    // Created where, as and with what it shows: placing, showing and enabling afterwards
    // would cost a round of window messages (and repaints) per field.
    const DWORD tabStop = control.TabStop() ? WS_TABSTOP : 0;
    const DWORD state = (shown_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
    window = CreateWindowExW(exStyle, className, text.c_str(),
                             WS_CHILD | WS_CLIPSIBLINGS | tabStop | state | style, placed_.left,
                             placed_.top, placed_.Width(), placed_.Height() + extraHeight, parent,
                             nullptr, backend.Module(), nullptr);
    if (!window) {
      throw ui::Error("Cannot create the control \"" + control.Name() + "\": " +
                      SystemMessage(GetLastError()));
    }
    window_.Reset(window);
    // Before its first paint, which comes later from the message loop: no redraw asked.
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  madeStyle_ = GetWindowLongPtrW(window, GWL_STYLE) & ~kSyncedStyles;
  madeExStyle_ = GetWindowLongPtrW(window, GWL_EXSTYLE);
  Attach(window);
}

// Under some systems a window costs dozens of round trips to the window server to make and
// as many to destroy, where placing and showing one costs a few: the fields of a new page
// take the windows the fields of the page before left.
HWND Win32NativeControl::Reuse(HWND parent, const std::wstring& text, int extraHeight) {
  Win32NativeForm* form = Win32NativeForm::FromHandle(parent);
  const auto spare = form ? form->TakeSpare(className_, style_, exStyle_) : std::nullopt;
  if (!spare) return nullptr;
  HWND window = spare->window;
  window_.Reset(window);
  reused_ = true;
  windowProc_ = spare->windowProc;
  innerProc_ = spare->innerProc;
  // Before it is attached, while no control answers its notices (an edit reports the change).
  // An empty window given no text is left alone: it has no selection or scroll to reset, and
  // setting the text is a few round trips to the window server (most first visits' fields).
  if (!text.empty() || GetWindowTextLengthW(window) != 0) SetWindowTextW(window, text.c_str());
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR tabStop = control_.TabStop() ? WS_TABSTOP : 0;
  if ((style & WS_TABSTOP) != tabStop)
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~LONG_PTR(WS_TABSTOP)) | tabStop);
  if (((style & WS_DISABLED) == 0) != enabled_) EnableWindow(window, enabled_);
  if (spare->font != font_)
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  // Last among its siblings, where a new window goes: the order they are read out in.
  SetWindowPos(window, HWND_BOTTOM, placed_.left, placed_.top, placed_.Width(),
               placed_.Height() + extraHeight, SWP_NOACTIVATE | (shown_ ? SWP_SHOWWINDOW : 0));
  return window;
}

Win32NativeControl::~Win32NativeControl() {
  // Detach first: destroying a focused window reports a focus loss nobody should see.
  for (HWND window : {inner_, window_.Get()})
    if (window) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  // Its form keeps it, hidden, for the next field of its kind (a page's fields go with each
  // step); one its kind changed is destroyed once the screen is painted.
  HWND window = window_.Get();
  if (Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window))) {
    const bool asMade = (GetWindowLongPtrW(window, GWL_STYLE) & ~kSyncedStyles) == madeStyle_ &&
                        GetWindowLongPtrW(window, GWL_EXSTYLE) == madeExStyle_;
    form->Bury({window, inner_, windowProc_, innerProc_, asMade ? className_ : nullptr, style_,
                exStyle_, font_});
    window_.Release();
  }
  window_.Reset();
}

void Win32NativeControl::AdoptInner(HWND inner) {
  inner_ = inner;
  Attach(inner);
}

// Subclassed through the window's own procedure and user data rather than the common
// controls' subclass list: that list is a window property, and a property lookup is a round
// trip to the window server under some systems, on every message of every field.
void Win32NativeControl::Attach(HWND window) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (current == &SubclassProc) return;
  // A procedure the window already had (its class's, or its parent's subclass) goes on
  // getting every message.
  (window == inner_ ? innerProc_ : windowProc_) = current;
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
}

LRESULT Win32NativeControl::CallPrevious(HWND window, UINT message, WPARAM wparam,
                                         LPARAM lparam) const {
  const WNDPROC previous = window == inner_ ? innerProc_ : windowProc_;
  if (!previous) return CallClassProc(window, message, wparam, lparam);
  return CallWindowProcW(previous, window, message, wparam, lparam);
}

Win32NativeControl* Win32NativeControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != &SubclassProc)
    return nullptr;
  return reinterpret_cast<Win32NativeControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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
  // Each window call only when the window differs from the model: a page placed or shown
  // again tells every field, most of which are already right.
  if (what & (ui::syncBounds | ui::syncVisible)) {
    // The form's coordinates are its window's client coordinates, at the form's scale.
    const ui::Rect r = FormScale().ToDevice(control_.FormBounds());
    if (r != placed_) {
      SetWindowPos(window, nullptr, r.left, r.top, r.Width(), r.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      placed_ = r;
      givenHeight_ = r.Height();
    }
  }
  if (what & ui::syncVisible) {
    const bool show = control_.IsShowing();
    if (show != shown_) {
      HWND focus = GetFocus();
      if (show || focus == window || (focus && IsChild(window, focus))) {
        // ShowWindow, not SetWindowPos: hiding the focused field must move the focus on.
        ShowWindow(window, show ? SW_SHOWNA : SW_HIDE);
      } else {
        // The model repaints what the field covered (a hidden control invalidates its
        // place), so the window need not expose it again.
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                         SWP_NOACTIVATE);
      }
      shown_ = show;
    }
  }
  if ((what & ui::syncEnabled) && control_.Enabled() != enabled_) {
    enabled_ = control_.Enabled();
    EnableWindow(window, enabled_);
  }
  if (what & ui::syncFont) {
    HFONT font = backend_.Fonts().Get(DeviceFont(control_.GetFont(), FormScale()));
    if (font != font_) {
      SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      font_ = font;
    }
  }
  if (what & ui::syncColor) InvalidateRect(window, nullptr, TRUE);
  SyncKind(what);
}

void Win32NativeControl::GiveHeight(int height) {
  SetWindowPos(window_.Get(), nullptr, 0, 0, placed_.Width(), height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  givenHeight_ = height;
}

ui::Scale Win32NativeControl::FormScale() const {
  return Win32NativeForm::ScaleOf(GetParent(window_.Get()));
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
  // The form's tab order holds its skinned buttons as well as the native windows.
  Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window_.Get()));
  bool moved = false;
  if (form) RunGuarded([&] { moved = form->GetForm().HandleKey(ui::Key::Tab, backwards); });
  return moved;
}

bool Win32NativeControl::PostDialogKey(WPARAM key) {
  const ui::Key which = key == VK_RETURN ? ui::Key::Enter : ui::Key::Escape;
  if (control_.UsesKey(which)) return false;
  Win32NativeForm* form = Win32NativeForm::FromHandle(GetParent(window_.Get()));
  // Posted: the key may leave the page, and this window with it.
  return form && PostMessageW(form->Window(), Win32NativeForm::DialogKeyMessage(), key, 0);
}

bool Win32NativeControl::TypesText() const {
  return dynamic_cast<const ui::Edit*>(&control_) || dynamic_cast<const ui::ComboBox*>(&control_);
}

LRESULT CALLBACK Win32NativeControl::SubclassProc(HWND window, UINT message, WPARAM wparam,
                                                  LPARAM lparam) {
  auto* self = reinterpret_cast<Win32NativeControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Its control is gone (the window waits to be destroyed): the class's own behaviour only.
  if (!self) return CallClassProc(window, message, wparam, lparam);
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
      if ((wparam == VK_RETURN || wparam == VK_ESCAPE) && self->PostDialogKey(wparam)) {
        self->swallowChar_ = true;
        return 0;
      }
      break;
    case WM_CHAR: {
      if (wparam == L'\t') return 0;  // Tab moved the focus on key down; the edit would beep
      // The form took Enter or Escape on key down: the edit would beep at its character.
      if (std::exchange(self->swallowChar_, false) && (wparam == L'\r' || wparam == 0x1B)) return 0;
      if (wparam > 0x20 && !self->TypesText()) {
        // Outside an edit a letter is an accelerator, as on the form itself. Nothing of this
        // window is touched afterwards: the key may have left the page.
        bool handled = false;
        RunGuarded([&] {
          if (Win32NativeForm* form = Win32NativeForm::FromHandle(GetAncestor(window, GA_ROOT)))
            handled = form->DialogChar(wchar_t(wparam));
        });
        if (handled) return 0;
      }
      bool accepted = true;
      RunGuarded([&] { accepted = self->AcceptsChar(wchar_t(wparam)); });
      if (accepted) break;
      MessageBeep(MB_OK);
      return 0;
    }
    case WM_SETFOCUS: {
      const LRESULT result = self->CallPrevious(window, message, wparam, lparam);
      RunGuarded([&] { self->FocusGained(); });
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = self->CallPrevious(window, message, wparam, lparam);
      RunGuarded([&] { self->FocusLost(reinterpret_cast<HWND>(wparam)); });
      return result;
    }
    case WM_NCDESTROY: {
      // Destroyed with its form's window, before the control object goes.
      const LRESULT result = self->CallPrevious(window, message, wparam, lparam);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      if (window == self->inner_)
        self->inner_ = nullptr;
      else
        self->window_.Release();
      return result;
    }
    default:
      break;
  }
  return self->CallPrevious(window, message, wparam, lparam);
}

}  // namespace win32
