#pragma once
// The base of the native child windows behind windowed controls. It owns the window,
// applies the placement, visibility, enabled state and font of the model, reports focus
// moves to the form, and sends accelerators (Alt+key, which Windows gives to the focused
// child) and Tab to the form. A kind (edit, check box, combo box) adds its own state in
// SyncKind and reacts to its notifications in Command.
#include "platform/win32/windows_api.h"

#include <string>

#include "platform/ui/scale.h"
#include "platform/ui/windowed_control.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class Win32Backend;

class Win32NativeControl : public ui::NativeControl {
 public:
  ~Win32NativeControl() override;
  Win32NativeControl(const Win32NativeControl&) = delete;
  Win32NativeControl& operator=(const Win32NativeControl&) = delete;

  // Applies the model; the kind's part goes through SyncKind.
  void Sync(unsigned what) override;
  void Focus() override;

  HWND Window() const { return window_.Get(); }
  // The window's text (a combo box's: its edit's).
  std::wstring WindowText() const;
  ui::WindowedControl& Control() const { return control_; }

  // A WM_COMMAND notification the form window received from this window.
  virtual void Command(unsigned /*code*/) {}
  // WM_CTLCOLOR*: sets the DC's colours and returns the background brush; nullptr leaves
  // the platform's colours.
  virtual HBRUSH ControlColor(HDC /*dc*/) { return nullptr; }
  // WM_CHAR in the window that has the focus: a refused character is dropped with a beep.
  virtual bool AcceptsChar(wchar_t /*ch*/) const { return true; }

  // The object behind one of the backend's child windows; nullptr for any other window.
  static Win32NativeControl* FromHandle(HWND window);

 protected:
  // Creates the window at the control's place, shown, enabled and with the font and text
  // of the model; the kind's constructor applies the rest of its state. `extraHeight`: how
  // much higher than the model the window is made (a combo box's open list). A window of
  // the same class and style that a gone control left to the form is taken instead (see
  // Reused).
  Win32NativeControl(Win32Backend& backend, ui::WindowedControl& control, HWND parent,
                     const wchar_t* className, DWORD style, DWORD exStyle,
                     const std::wstring& text = {}, int extraHeight = 0);
  virtual void SyncKind(unsigned what) = 0;
  // A window inside this one that takes the focus (a combo box's edit): its focus moves,
  // keys and notices count as this control's.
  void AdoptInner(HWND inner);
  Win32Backend& Backend() const { return backend_; }
  // Where the window was last placed (device pixels), and the height it was last given: a
  // combo box's holds its open list too, which not every system reports back.
  const ui::Rect& Placed() const { return placed_; }
  int GivenHeight() const { return givenHeight_; }
  // A new height, at its place and width.
  void GiveHeight(int height);
  // The window was a gone control's: placed, shown, enabled, with the font and text of this
  // model, and last in the z-order as a new window is; what else the kind keeps (items, a
  // check, the undo buffer) is still the old control's.
  bool Reused() const { return reused_; }
  // A solid brush of the model's colour for WM_CTLCOLOR*; kept until the colour changes.
  HBRUSH ColorBrush();
  // The scale of the form window this control sits in.
  ui::Scale FormScale() const;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // A gone control's window taken from the form, made as this one would be.
  HWND Reuse(HWND parent, const std::wstring& text, int extraHeight);
  // Routes the window's messages through SubclassProc to this control.
  void Attach(HWND window);
  LRESULT CallPrevious(HWND window, UINT message, WPARAM wparam, LPARAM lparam) const;
  void FocusGained();
  void FocusLost(HWND next);
  bool MoveFocus(bool backwards);
  // Enter or Escape for the form, unless this control uses the key itself.
  bool PostDialogKey(WPARAM key);
  // Edits and combo boxes take letters as text; other controls pass them on as accelerators.
  bool TypesText() const;

  Win32Backend& backend_;
  ui::WindowedControl& control_;
  UniqueWindow window_;
  HWND inner_ = nullptr;  // destroyed with window_
  WNDPROC windowProc_ = nullptr, innerProc_ = nullptr;  // what each had before Attach
  UniqueHandle<GdiObjectTraits<HBRUSH>> brush_;
  COLORREF brushColor_ = 0;
  bool swallowChar_ = false;
  // What the window was last given.
  ui::Rect placed_;
  int givenHeight_ = 0;
  // How it was made (the kind's class and style), and the styles it had then: a window whose
  // kind changed them since is not handed to another control.
  const wchar_t* className_;
  DWORD style_, exStyle_;
  LONG_PTR madeStyle_ = 0, madeExStyle_ = 0;
  bool reused_ = false;
  bool shown_ = false;
  bool enabled_ = true;
  HFONT font_ = nullptr;
};

}  // namespace win32
