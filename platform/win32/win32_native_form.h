#pragma once
// The top-level window behind a ui::Form. The form's Left/Top are the window's outer corner;
// its Width/Height are the client area inside the frame and BorderWidth, so that the form's
// ClientRect is what its controls see. User moves, sizes and state changes flow back into
// the form without being applied again.
#include "platform/win32/windows_api.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/scale.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class FormAccessibility;
class Win32Backend;
class Win32HintWindow;

class Win32NativeForm : public ui::NativeForm {
 public:
  Win32NativeForm(Win32Backend& backend, ui::Form& form);
  ~Win32NativeForm() override;
  Win32NativeForm(const Win32NativeForm&) = delete;
  Win32NativeForm& operator=(const Win32NativeForm&) = delete;

  void Show() override;
  void Hide() override;
  void SyncWindow() override;
  void Invalidate(const ui::Rect& formRect) override;
  void Update() override;
  void BringToFront() override;
  void SetMouseCapture(bool capture) override;
  void* Handle() const override { return window_.Get(); }
  void ShowHint(const std::string& text, ui::Point formPoint) override;
  void HideHint() override;
  void FocusWindow() override;
  void NotifyAccessible(ui::AccessibleEvent event, int id) override;

  HWND Window() const { return window_.Get(); }
  // Design pixels to this window's device pixels (its monitor's DPI, fitted to its work area).
  const ui::Scale& GetScale() const { return scale_; }
  ui::Form& GetForm() const { return form_; }
  // Offers an accelerator character to the form; true when a control took it.
  bool DialogChar(wchar_t ch);
  // A child window whose control is gone, with what its control made it as.
  struct SpareWindow {
    HWND window = nullptr;
    HWND inner = nullptr;  // a combo box's edit
    WNDPROC windowProc = nullptr, innerProc = nullptr;  // what they had before the control
    const wchar_t* className = nullptr;  // nullptr: changed since it was made, not for reuse
    DWORD style = 0, exStyle = 0;
    HFONT font = nullptr;
  };
  // Takes a child window whose control is gone, hidden now: a later control of its class
  // and style takes it (TakeSpare), or Reap destroys it if it cannot be taken.
  void Bury(const SpareWindow& spare);
  // A buried window made with this class and style, handed to a new control instead of a
  // new window (the next page's fields take the last page's windows); nullopt when none.
  std::optional<SpareWindow> TakeSpare(const wchar_t* className, DWORD style, DWORD exStyle);
  // Destroys the buried windows no control can take (their kind changed their style), once
  // the screen is painted: the modal loop calls it when the queue is empty.
  void Reap();
  // Enter, Escape, Space, Tab and the arrows, for the form's windowless controls.
  bool HandleKey(WPARAM key);

  // The form window behind `window`, or nullptr for any other window (also another
  // module's forms, whose window procedure is not this one).
  static Win32NativeForm* FromHandle(HWND window);
  // The scale of the form window `window`; 1 for any other window.
  static ui::Scale ScaleOf(HWND window);
  // The form's part (design pixels) that a paint of `device` shows: every control drawing
  // into that device area reaches into it.
  static ui::Rect DesignAreaOf(const ui::Scale& scale, const ui::Rect& device);
  // Enter or Escape from a native child, posted to the form (wparam: the key).
  static UINT DialogKeyMessage();
  // Posted after the first paint: the backend prepares the native field classes, and the
  // form its back buffer.
  static UINT AfterFirstPaintMessage();
  // The rows of a buffered paint's band, for a painted part of width x height device pixels:
  // the back buffer holds one band. A band of about this many bytes stays in the processor's
  // cache, where a whole 800 x 600 page would hold 1.9 MB for as long as the window is open.
  static int BandHeight(int width, int height);
  static constexpr int kBandBytes = 256 * 1024;
  static constexpr int kMinBandRows = 64;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  // The window is passed in: during CreateWindowEx it is not stored yet.
  bool HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void Paint(HWND window);
  // `buffered`: drawn off screen first, so that nothing on the screen flickers.
  void PaintInto(HDC target, const RECT& area, bool buffered);
  // The kept back buffer, grown to hold width x height; nullptr when none can be made.
  HDC BackBuffer(int width, int height);
  // The back buffer made at the size of the form's painted part, ahead of the paints.
  void PrepareBackBuffer();
  void PaintBorder(HWND window);
  bool SetCursorFor(HWND window, HWND target, UINT hitTest);
  void StoreWindowPlacement();
  RECT OuterRect() const;
  void Center();
  // WM_DPICHANGED: the window moved to a monitor of another scale.
  void ChangeDpi(int dpi, const RECT& suggested);

  Win32Backend& backend_;
  ui::Form& form_;
  ui::Scale scale_;
  UniqueWindow window_;
  std::unique_ptr<Win32HintWindow> hint_;  // made for the first hint; goes before the window
  std::unique_ptr<FormAccessibility> accessibility_;  // goes before the window too
  bool trackingLeave_ = false;
  bool paintedOnce_ = false;
  bool fromWindow_ = false;  // the form is being told what the window did: do not apply it back
  bool shownOnce_ = false;
  // What the window last showed of the form, besides its caption.
  struct Look {
    ui::Color color;
    ui::BorderStyle border;
    ui::WindowState state;
    ui::Rect bounds;
    friend bool operator==(const Look&, const Look&) = default;
  };
  std::optional<Look> synced_;
  // The back buffer, kept from paint to paint at the largest band painted (one made for each
  // paint cost about half a millisecond under Wine, a tenth of a step). Its bitmap is
  // declared first, so that it is deleted after the DC that holds it.
  GdiObject<HBITMAP> bufferBitmap_;
  UniqueMemoryDc buffer_;
  SIZE bufferSize_{};
  std::vector<SpareWindow> buried_;
  bool unusableBuried_ = false;  // one of them is for Reap
};

}  // namespace win32
