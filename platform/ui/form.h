#pragma once
// A top-level window. The form owns the graphic tree it paints, routes mouse and keyboard
// input from its native window to the controls, and runs a modal loop through the backend.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/ui/control.h"
#include "platform/ui/font.h"
#include "platform/ui/hint_tracker.h"
#include "platform/ui/key.h"

namespace ui {

class Canvas;
class WindowedControl;

enum class WindowState { Normal, Minimized, Maximized };
enum class BorderStyle { None, Sizeable, Dialog };

// Modal results as the platform numbers them.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

// The backend's window behind a form.
class NativeForm {
 public:
  virtual ~NativeForm() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Window text, border style, bounds, window state and colour changed on the form.
  virtual void SyncWindow() = 0;
  virtual void Invalidate(const Rect& formRect) = 0;
  // Paints pending invalid areas now.
  virtual void Update() = 0;
  virtual void BringToFront() = 0;
  virtual void SetMouseCapture(bool capture) = 0;
  // The native handle (an HWND on Windows), opaque to portable code.
  virtual void* Handle() const = 0;
  // Shows `text` as the hint near the mouse at `formPoint`, replacing any hint up; the form
  // decides when. A window that cannot show hints ignores both.
  virtual void ShowHint(const std::string& /*text*/, Point /*formPoint*/) {}
  virtual void HideHint() {}
  // Gives the keyboard focus to the window itself (a windowless control holds it).
  virtual void FocusWindow() {}
  // Tells screen readers what changed: `id` is a control's AccessibleId, 0 the window itself.
  virtual void NotifyAccessible(AccessibleEvent /*event*/, int /*id*/) {}
};

class Form : public Control {
 public:
  explicit Form(std::string name = {});
  ~Form() override;

  Form* GetForm() override { return this; }

  // --- window ---
  BorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(BorderStyle style);
  WindowState GetWindowState() const { return windowState_; }
  void SetWindowState(WindowState state);
  // Centre on the desktop when first shown.
  void SetCenterOnScreen(bool center) { centerOnScreen_ = center; }
  bool CenterOnScreen() const { return centerOnScreen_; }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width) { borderWidth_ = width; }
  // The font and height most of its native fields share: a backend that makes fields ahead
  // of the pages that need them makes them so (0 height: no such look is known).
  struct FieldLook {
    Font font;
    int height = 0;
  };
  const FieldLook& GetFieldLook() const { return fieldLook_; }
  void SetFieldLook(FieldLook look) { fieldLook_ = std::move(look); }

  // --- showing ---
  void Show();
  void Hide();
  // Shows the form modally and returns its modal result once the loop ends.
  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  // A non-zero result ends the modal loop (after the close query agrees).
  void SetModalResult(int result) { modalResult_ = result; }
  // A close request: asks the close query; a modal form ends with mrCancel, a modeless one hides.
  void Close();
  // Runs the close query; true when the form may close.
  bool CanClose();
  std::function<void(Form&, bool& canClose)> OnCloseQuery;

  bool IsRealized() const { return native_ != nullptr; }
  NativeForm* Native() const { return native_.get(); }
  void BringToFront();

  // --- input from the backend, in form coordinates ---
  void HandleMouseMove(Point p);
  void HandleMouseDown(MouseButton button, Point p, bool doubleClick = false);
  void HandleMouseUp(MouseButton button, Point p);
  void HandleMouseLeave();
  // An accelerator (Alt+key): offered to the visible, enabled controls in tree order.
  bool HandleDialogChar(char32_t ch);
  // A key for the form: Tab and the arrows move the focus along the tab order, windowed and
  // windowless controls alike (back with Shift or Left/Up), Space clicks the focused
  // windowless control, Enter the focused one or else the default, Escape the cancel
  // control. A focused windowed control that uses the key itself keeps it. True when handled.
  bool HandleKey(Key key, bool shift = false);
  bool MouseCaptured() const { return captured_ != nullptr; }
  Control* HotControl() const { return hot_; }
  // The cursor to show at p.
  Cursor CursorAt(Point p);

  // A window message the backend could not map; returns true when handled.
  virtual bool HandleMessage(unsigned message, uintptr_t wparam, intptr_t lparam,
                             intptr_t& result);

  // Paints the form's background and its graphic tree; with `area` (form coordinates), only
  // the controls that reach into it: the rest would be clipped away whole.
  void PaintAll(Canvas& canvas);
  void PaintAll(Canvas& canvas, const Rect& area);
  // The part of the client area its visible controls cover; outside it PaintAll draws
  // only the form's colour.
  Rect PaintedBounds() const;
  void InvalidateRect(const Rect& formRect);

  // --- focus among windowed controls ---
  WindowedControl* ActiveControl() const { return active_; }
  // Moves the focus: the old control gets its exit, the new one its enter.
  void SetActiveControl(WindowedControl* control);
  // Called by the backend when the native focus moved.
  void FocusMovedTo(WindowedControl* control);

  // --- keyboard focus among windowless controls ---
  Control* FocusedControl() const { return focused_; }
  // Gives `control` (a tab stop, or nullptr) the focus mark.
  void SetFocusedControl(Control* control);
  // The control with the keyboard focus, windowless or windowed; nullptr when none.
  Control* CurrentFocus() const;
  // Moves the focus to `control`: a windowed one gets the native focus, a windowless one
  // the focus mark while the window itself holds the native focus.
  void FocusOn(Control* control);
  // What Enter clicks when no control has the focus, and what Escape clicks.
  Control* DefaultControl() const { return default_; }
  void SetDefaultControl(Control* control) { default_ = control; }
  Control* CancelControl() const { return cancel_; }
  void SetCancelControl(Control* control) { cancel_ = control; }

  // A control's name or state changed, for screen readers.
  void AccessibleChanged(Control& control, AccessibleEvent event);
  AccessibleRole GetAccessibleRole() const override { return AccessibleRole::Client; }

  // A control is leaving the tree: forget every pointer to it.
  void ForgetControl(Control& control);
  // A control's hint, ShowHint or ParentShowHint changed.
  void HintSettingsChanged(Control& control) { hints_.SettingsChanged(control, hot_); }

 protected:
  virtual void CloseQuery(bool& canClose);
  void BoundsChanged() override;
  void TextChanged() override;
  void ColorChanged() override;

 private:
  void Realize();
  void UpdateHot(Point p);

  std::unique_ptr<NativeForm> native_;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  WindowState windowState_ = WindowState::Normal;
  bool centerOnScreen_ = false;
  int borderWidth_ = 0;
  FieldLook fieldLook_;
  bool modal_ = false;
  int modalResult_ = mrNone;
  Control* hot_ = nullptr;
  Control* captured_ = nullptr;
  WindowedControl* active_ = nullptr;
  Control* focused_ = nullptr;
  Control* default_ = nullptr;
  Control* cancel_ = nullptr;
  HintTracker hints_{*this};
};

}  // namespace ui
