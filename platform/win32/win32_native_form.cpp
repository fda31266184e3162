#include "platform/win32/win32_native_form.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/errors.h"
#include "platform/ui/windowed_control.h"
#include "platform/win32/color_ref.h"
#include "platform/win32/event_guard.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_accessible.h"
#include "platform/win32/win32_backend.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_hint_window.h"
#include "platform/win32/win32_native_control.h"

namespace win32 {
namespace {

DWORD StyleOf(const ui::Form& form) {
  // The controls are child windows: painting the form must not draw over them.
  const DWORD base = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (form.GetBorderStyle()) {
    case ui::BorderStyle::None: return base | WS_POPUP;
    case ui::BorderStyle::Sizeable: return base | WS_OVERLAPPEDWINDOW;
    case ui::BorderStyle::Dialog: return base | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  }
  return base | WS_POPUP;
}

DWORD ExStyleOf(const ui::Form& form) {
  return form.GetBorderStyle() == ui::BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
}

// The style bits that StyleOf decides; the rest (visible, disabled, maximised) are the window's.
constexpr DWORD kOwnStyles = WS_POPUP | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kOwnExStyles = WS_EX_DLGMODALFRAME;

ui::Point PointOf(LPARAM lparam) { return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}; }

// Every realised control of the tree, for a change of scale.
void ForEachNative(ui::Control& control, void (*apply)(ui::NativeControl&)) {
  for (const auto& child : control.Children()) {
    if (auto* windowed = dynamic_cast<ui::WindowedControl*>(child.get()); windowed && windowed->Native())
      apply(*windowed->Native());
    ForEachNative(*child, apply);
  }
}

ui::MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return ui::MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return ui::MouseButton::Middle;
    default: return ui::MouseButton::Left;
  }
}

// Accelerators compare lowered characters (Control::AcceleratorOf lowers the caption's).
char32_t Lowered(wchar_t ch) {
  return char32_t(reinterpret_cast<uintptr_t>(CharLowerW(reinterpret_cast<LPWSTR>(uintptr_t(ch)))));
}

class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

Win32NativeForm::Win32NativeForm(Win32Backend& backend, ui::Form& form)
    : backend_(backend), form_(form), scale_(backend.ScaleForNewForm()) {
  const RECT outer = OuterRect();
  HWND window = CreateWindowExW(ExStyleOf(form), ClassAtom(backend.FormClass()),
                                Widen(form.Caption()).c_str(), StyleOf(form), outer.left,
                                outer.top, outer.right - outer.left, outer.bottom - outer.top,
                                nullptr, nullptr, backend.Module(), this);
  if (!window) {
    throw ui::Error("Cannot create the window \"" + form.Name() + "\": " +
                    SystemMessage(GetLastError()));
  }
  window_.Reset(window);
  accessibility_ = std::make_unique<FormAccessibility>(window, form);
  // Created from the form as it is: nothing to repaint for it until it changes.
  synced_ = Look{form.GetColor(), form.GetBorderStyle(), form.GetWindowState(), form.Bounds()};
}

Win32NativeForm::~Win32NativeForm() {
  Reap();
  hint_.reset();
  accessibility_.reset();
  if (HWND window = window_.Get()) {
    // The form is going: no message of the window's destruction may reach it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (GetCapture() == window) ReleaseCapture();
  }
  window_.Reset();
}

Win32NativeForm* Win32NativeForm::FromHandle(HWND window) {
  if (!window || !IsWindow(window)) return nullptr;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) != &WindowProc)
    return nullptr;
  return reinterpret_cast<Win32NativeForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

ui::Rect Win32NativeForm::DesignAreaOf(const ui::Scale& scale, const ui::Rect& device) {
  // A pixel wider on each side: device edges are rounded, so no seam is left out.
  return scale.ToDesignCovering(device).Inflate(1);
}

ui::Scale Win32NativeForm::ScaleOf(HWND window) {
  const Win32NativeForm* form = FromHandle(window);
  return form ? form->GetScale() : ui::Scale();
}

LRESULT CALLBACK Win32NativeForm::WindowProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32NativeForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  LRESULT result = 0;
  // A handler that threw has had its say: no default processing after it.
  bool handled = true;
  RunGuarded([&] { handled = self->HandleMessage(window, message, wparam, lparam, result); });
  return handled ? result : DefWindowProcW(window, message, wparam, lparam);
}

bool Win32NativeForm::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    LRESULT& result) {
  switch (message) {
    case WM_NCCALCSIZE: {
      result = DefWindowProcW(window, message, wparam, lparam);
      if (const int border = scale_.LineWidth(form_.BorderWidth()); border > 0) {
        RECT* client = wparam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                              : reinterpret_cast<RECT*>(lparam);
        InflateRect(client, -border, -border);
      }
      return true;
    }
    case WM_NCPAINT:
      result = DefWindowProcW(window, message, wparam, lparam);
      PaintBorder(window);
      return true;
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT covers everything; erasing first would flicker
      return true;
    case WM_PAINT:
      Paint(window);
      return true;
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(window, &client);
      PaintInto(reinterpret_cast<HDC>(wparam), client, true);
      return true;
    }
    case WM_MOUSEMOVE:
      if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
      }
      form_.HandleMouseMove(scale_.ToDesign(PointOf(lparam)));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      form_.HandleMouseDown(ButtonOf(message), scale_.ToDesign(PointOf(lparam)));
      return true;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      form_.HandleMouseDown(ButtonOf(message), scale_.ToDesign(PointOf(lparam)), true);
      return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      form_.HandleMouseUp(ButtonOf(message), scale_.ToDesign(PointOf(lparam)));
      return true;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      form_.HandleMouseLeave();
      return true;
    case WM_CAPTURECHANGED: {
      // Leaves are not reported while captured: ask again, so a mouse released outside
      // the window gets its leave (posted, hence after the button-up is handled).
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
      trackingLeave_ = TrackMouseEvent(&track) != FALSE;
      return true;
    }
    case WM_SETCURSOR:
      if (!SetCursorFor(window, reinterpret_cast<HWND>(wparam), LOWORD(lparam))) return false;
      result = TRUE;
      return true;
    case WM_SYSCHAR:
      // Handled accelerators return 0: the default would beep for the missing menu.
      return DialogChar(wchar_t(wparam));
    case WM_CHAR:
      // Reaches the form only while no edit has the focus: plain letters act as accelerators.
      return wparam >= 0x20 && DialogChar(wchar_t(wparam));
    case WM_KEYDOWN:
      // Reaches the form only while no edit has the focus.
      return HandleKey(wparam);
    case WM_CLOSE:
      form_.Close();
      return true;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it when the window was left.
      if (LOWORD(wparam) != WA_INACTIVE) {
        ui::WindowedControl* active = form_.ActiveControl();
        if (active && active->Native()) {
          active->Native()->Focus();
          return true;
        }
      }
      return false;
    case WM_COMMAND:
      if (auto* control = Win32NativeControl::FromHandle(reinterpret_cast<HWND>(lparam))) {
        control->Command(HIWORD(wparam));
        return true;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (auto* control = Win32NativeControl::FromHandle(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = control->ControlColor(reinterpret_cast<HDC>(wparam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_GETOBJECT:
      return accessibility_ && accessibility_->GetObject(wparam, lparam, result);
    case 0x02E0:  // WM_DPICHANGED
      ChangeDpi(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return true;
    case WM_WINDOWPOSCHANGED:
      result = DefWindowProcW(window, message, wparam, lparam);
      StoreWindowPlacement();
      return true;
    default:
      if (message == DialogKeyMessage()) {
        HandleKey(wparam);
        return true;
      }
      if (message == AfterFirstPaintMessage()) {
        backend_.PrepareNativeClasses(*this);
        PrepareBackBuffer();
        return true;
      }
      if (accessibility_ && accessibility_->HandlePosted(message, wparam)) return true;
      break;
  }
  intptr_t formResult = 0;
  if (!form_.HandleMessage(message, wparam, lparam, formResult)) return false;
  result = LRESULT(formResult);
  return true;
}

void Win32NativeForm::Paint(HWND window) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  struct EndPaintScope {
    HWND window;
    PAINTSTRUCT& paint;
    ~EndPaintScope() { EndPaint(window, &paint); }
  } end{window, paint};
  // The first paint has nothing of the window on the screen to flicker over: it draws straight
  // onto the window, and the back buffer is made after it. Making the buffer and touching its
  // pages for the first time took a fifth of the opening under Wine.
  const bool first = !paintedOnce_;
  paintedOnce_ = true;
  if (dc && !IsRectEmpty(&paint.rcPaint)) PaintInto(dc, paint.rcPaint, !first);
  // Posted: taken before the next input, once this paint is on the screen.
  if (first) PostMessageW(window, AfterFirstPaintMessage(), 0, 0);
}

void Win32NativeForm::PrepareBackBuffer() {
  const ui::Rect content = scale_.ToDevice(form_.PaintedBounds());
  if (content.IsEmpty()) return;
  if (HDC memory = BackBuffer(content.Width(), BandHeight(content.Width(), content.Height()))) {
    // Its pages made now, while nothing waits, not by the first paint that needs them.
    PatBlt(memory, 0, 0, bufferSize_.cx, bufferSize_.cy, WHITENESS);
  }
}

void Win32NativeForm::PaintInto(HDC target, const RECT& area, bool buffered) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  // Outside its controls the form is plain colour: filled on the target, with no buffer.
  const ui::Rect content = scale_.ToDevice(form_.PaintedBounds())
                               .Intersect({area.left, area.top, area.right, area.bottom});
  {
    const int saved = SaveDC(target);
    if (!content.IsEmpty()) ExcludeClipRect(target, content.left, content.top, content.right, content.bottom);
    GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(form_.GetColor())));
    FillRect(target, &area, brush.Get());
    RestoreDC(target, saved);
  }
  if (content.IsEmpty()) return;
  const int width = content.Width();
  const int band = BandHeight(width, content.Height());
  // Painted off screen first, so that a background and the controls over it never flicker.
  HDC memory = buffered ? BackBuffer(width, band) : nullptr;
  if (!memory) {
    GdiCanvas canvas(target, backend_.Fonts(), backend_.Images(), scale_);
    // A small update (a button's new state) draws that button, not the whole page clipped.
    form_.PaintAll(canvas, DesignAreaOf(scale_, content));
    return;
  }
  // Band by band, each drawn whole before it is copied: the buffer holds one band, not the
  // whole painted part.
  for (int top = content.top; top < content.bottom; top += band) {
    const ui::Rect part{content.left, top, content.right, std::min(top + band, content.bottom)};
    // Whatever this paint sets or selects in the kept buffer is undone after it.
    const int saved = SaveDC(memory);
    SetViewportOrgEx(memory, -part.left, -part.top, nullptr);
    IntersectClipRect(memory, part.left, part.top, part.right, part.bottom);
    {
      GdiCanvas canvas(memory, backend_.Fonts(), backend_.Images(), scale_);
      form_.PaintAll(canvas, DesignAreaOf(scale_, part));
    }
    BitBlt(target, part.left, part.top, part.Width(), part.Height(), memory, part.left,
           part.top, SRCCOPY);
    RestoreDC(memory, saved);
  }
}

int Win32NativeForm::BandHeight(int width, int height) {
  const int rows = int(kBandBytes / (4 * std::max(width, 1)));
  return std::min(height, std::max(rows, kMinBandRows));
}

HDC Win32NativeForm::BackBuffer(int width, int height) {
  if (buffer_ && width <= bufferSize_.cx && height <= bufferSize_.cy) return buffer_.Get();
  const SIZE size{std::max(width, int(bufferSize_.cx)), std::max(height, int(bufferSize_.cy))};
  // In the screen's format, not the target's: a WM_PRINTCLIENT may bring any DC, and the
  // buffer stays for the window's own paints.
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  HDC screen = GetDC(nullptr);
  GdiObject<HBITMAP> bitmap(screen ? CreateCompatibleBitmap(screen, size.cx, size.cy) : nullptr);
  if (screen) ReleaseDC(nullptr, screen);
  if (!dc || !bitmap) return nullptr;
  SelectObject(dc.Get(), bitmap.Get());
  buffer_ = std::move(dc);  // the old buffer's DC goes first, letting go of its bitmap
  bufferBitmap_ = std::move(bitmap);
  bufferSize_ = size;
  return buffer_.Get();
}

void Win32NativeForm::PaintBorder(HWND window) {
  const int border = scale_.LineWidth(form_.BorderWidth());
  if (border <= 0) return;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  struct Release {
    HWND window;
    HDC dc;
    ~Release() { ReleaseDC(window, dc); }
  } release{window, dc};
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  RECT band = client;
  InflateRect(&band, border, border);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(form_.GetColor())));
  FillRect(dc, &band, brush.Get());
}

bool Win32NativeForm::SetCursorFor(HWND window, HWND target, UINT hitTest) {
  const ui::Cursor override = ui::Application::Exists()
                                  ? ui::Application::Instance().OverrideCursor()
                                  : ui::Cursor::Default;
  if (override != ui::Cursor::Default) {
    // Also over the native controls: their default processing asks the parent first.
    SetCursor(Win32Backend::CursorHandle(override));
    return true;
  }
  if (target != window || hitTest != HTCLIENT) return false;
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  SetCursor(Win32Backend::CursorHandle(form_.CursorAt(scale_.ToDesign(ui::Point{p.x, p.y}))));
  return true;
}

UINT Win32NativeForm::AfterFirstPaintMessage() {
  static const UINT message = RegisterWindowMessageW(L"TutorAfterFirstPaint");
  return message;
}

UINT Win32NativeForm::DialogKeyMessage() {
  static const UINT message = RegisterWindowMessageW(L"TutorDialogKey");
  return message;
}

bool Win32NativeForm::DialogChar(wchar_t ch) { return form_.HandleDialogChar(Lowered(ch)); }

void Win32NativeForm::Bury(const SpareWindow& spare) {
  // Hidden as the control goes (the focus moves on as destroying it would move it).
  if (IsWindowVisible(spare.window)) ShowWindow(spare.window, SW_HIDE);
  buried_.push_back(spare);
  if (!spare.className) unusableBuried_ = true;
}

std::optional<Win32NativeForm::SpareWindow> Win32NativeForm::TakeSpare(const wchar_t* className,
                                                                      DWORD style, DWORD exStyle) {
  // The oldest first: a page's fields take the last page's in their order.
  for (auto it = buried_.begin(); it != buried_.end();) {
    if (!it->className || wcscmp(it->className, className) != 0 || it->style != style ||
        it->exStyle != exStyle) {
      ++it;
      continue;
    }
    const SpareWindow spare = *it;
    it = buried_.erase(it);
    // One that is gone or no longer ours is dropped; the next may do.
    if (IsWindow(spare.window) && GetParent(spare.window) == window_.Get()) return spare;
  }
  return std::nullopt;
}

void Win32NativeForm::Reap() {
  if (!std::exchange(unusableBuried_, false)) return;
  // Those a later field can take are kept, hidden: there are never more of them than the
  // fields of the largest page, and each costs a page's step change less than a new one.
  std::vector<SpareWindow> kept;
  for (const SpareWindow& child : buried_) {
    // Still ours: only this window's children are buried, and they live as long as it.
    if (!IsWindow(child.window) || GetParent(child.window) != window_.Get()) continue;
    if (child.className)
      kept.push_back(child);
    else
      DestroyWindow(child.window);
  }
  buried_ = std::move(kept);
}

bool Win32NativeForm::HandleKey(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_RETURN: return form_.HandleKey(ui::Key::Enter);
    case VK_ESCAPE: return form_.HandleKey(ui::Key::Escape);
    case VK_SPACE: return form_.HandleKey(ui::Key::Space);
    case VK_TAB: return form_.HandleKey(ui::Key::Tab, shift);
    case VK_LEFT: return form_.HandleKey(ui::Key::Left);
    case VK_RIGHT: return form_.HandleKey(ui::Key::Right);
    case VK_UP: return form_.HandleKey(ui::Key::Up);
    case VK_DOWN: return form_.HandleKey(ui::Key::Down);
    default: return false;
  }
}

RECT Win32NativeForm::OuterRect() const {
  RECT r{0, 0, scale_.ToDevice(form_.Width()), scale_.ToDevice(form_.Height())};
  const int border = scale_.LineWidth(form_.BorderWidth());
  InflateRect(&r, border, border);
  AdjustWindowRectEx(&r, StyleOf(form_), FALSE, ExStyleOf(form_));
  OffsetRect(&r, scale_.ToDevice(form_.Left()) - r.left, scale_.ToDevice(form_.Top()) - r.top);
  return r;
}

void Win32NativeForm::StoreWindowPlacement() {
  HWND window = window_.Get();
  if (!window) return;  // still being created: the form's values are the window's
  FlagScope scope(fromWindow_);
  // A hidden window's state is the form's to decide (a maximised form is created normal).
  if (IsWindowVisible(window)) {
    form_.SetWindowState(IsIconic(window)  ? ui::WindowState::Minimized
                         : IsZoomed(window) ? ui::WindowState::Maximized
                                            : ui::WindowState::Normal);
  }
  if (IsIconic(window)) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT client{};
  GetClientRect(window, &client);
  form_.SetBounds(scale_.ToDesignNearest(outer.left), scale_.ToDesignNearest(outer.top),
                  scale_.ToDesignNearest(client.right), scale_.ToDesignNearest(client.bottom));
  // The window did this itself and painted for it: the form now matches what it shows.
  synced_ = Look{form_.GetColor(), form_.GetBorderStyle(), form_.GetWindowState(), form_.Bounds()};
}

void Win32NativeForm::SyncWindow() {
  HWND window = window_.Get();
  if (!window || fromWindow_) return;
  FlagScope scope(fromWindow_);

  const DWORD style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
  const DWORD exStyle = DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE));
  const DWORD newStyle = (style & ~kOwnStyles) | StyleOf(form_);
  const DWORD newExStyle = (exStyle & ~kOwnExStyles) | ExStyleOf(form_);
  const bool frameChanged = newStyle != style || newExStyle != exStyle;
  if (newStyle != style) SetWindowLongPtrW(window, GWL_STYLE, LONG_PTR(newStyle));
  if (newExStyle != exStyle) SetWindowLongPtrW(window, GWL_EXSTYLE, LONG_PTR(newExStyle));

  const std::wstring caption = Widen(form_.Caption());
  wchar_t current[512] = {};
  GetWindowTextW(window, current, int(std::size(current)));
  if (caption != current) SetWindowTextW(window, caption.c_str());

  if (IsWindowVisible(window)) {
    switch (form_.GetWindowState()) {
      case ui::WindowState::Maximized:
        if (!IsZoomed(window)) ShowWindow(window, SW_MAXIMIZE);
        break;
      case ui::WindowState::Minimized:
        if (!IsIconic(window)) ShowWindow(window, SW_MINIMIZE);
        break;
      case ui::WindowState::Normal:
        if (IsZoomed(window) || IsIconic(window)) ShowWindow(window, SW_RESTORE);
        break;
    }
  }
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (frameChanged ? SWP_FRAMECHANGED : 0);
  if (!IsZoomed(window) && !IsIconic(window)) {
    const RECT outer = OuterRect();
    RECT current{};
    GetWindowRect(window, &current);
    if (frameChanged || !EqualRect(&outer, &current)) {
      SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left,
                   outer.bottom - outer.top, flags);
    }
  } else if (frameChanged) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, flags | SWP_NOMOVE | SWP_NOSIZE);
  }
  // The colour shows in the border as well as in the client area; a new caption alone
  // changes nothing drawn there.
  const Look look{form_.GetColor(), form_.GetBorderStyle(), form_.GetWindowState(), form_.Bounds()};
  if (frameChanged || !(synced_ == look))
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  synced_ = look;
}

void Win32NativeForm::Center() {
  HWND window = window_.Get();
  const RECT outer = OuterRect();
  HWND reference = GetActiveWindow() ? GetActiveWindow() : window;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(reference, MONITOR_DEFAULTTOPRIMARY), &monitor)) return;
  const RECT& area = monitor.rcMonitor;
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32NativeForm::ChangeDpi(int dpi, const RECT& suggested) {
  HWND window = window_.Get();
  const ui::Scale scale = backend_.ScaleForDpi(dpi, MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
  if (scale == scale_) return;
  scale_ = scale;
  if (!window) return;
  if (!IsZoomed(window) && !IsIconic(window)) {
    // The suggested corner, with the size this scale gives (it may be fitted smaller).
    const RECT outer = OuterRect();
    SetWindowPos(window, nullptr, suggested.left, suggested.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ForEachNative(form_, [](ui::NativeControl& native) { native.Sync(ui::syncBounds | ui::syncFont); });
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Win32NativeForm::Show() {
  HWND window = window_.Get();
  if (IsWindowVisible(window)) {
    ShowWindow(window, SW_SHOW);
    return;
  }
  if (!shownOnce_) {
    shownOnce_ = true;
    if (form_.CenterOnScreen()) Center();
  }
  switch (form_.GetWindowState()) {
    case ui::WindowState::Maximized: ShowWindow(window, SW_SHOWMAXIMIZED); break;
    case ui::WindowState::Minimized: ShowWindow(window, SW_SHOWMINIMIZED); break;
    case ui::WindowState::Normal: ShowWindow(window, SW_SHOWNORMAL); break;
  }
}

void Win32NativeForm::Hide() { ShowWindow(window_.Get(), SW_HIDE); }

void Win32NativeForm::Invalidate(const ui::Rect& formRect) {
  // One device pixel more on each side at a fractional scale: rounding never leaves a seam.
  const ui::Rect device = scale_.IsIdentity() ? formRect : scale_.ToDevice(formRect).Inflate(1);
  const RECT r{device.left, device.top, device.right, device.bottom};
  InvalidateRect(window_.Get(), &r, FALSE);
}

void Win32NativeForm::Update() { UpdateWindow(window_.Get()); }

void Win32NativeForm::BringToFront() { BringWindowToTop(window_.Get()); }

void Win32NativeForm::ShowHint(const std::string& text, ui::Point formPoint) {
  HWND window = window_.Get();
  if (!hint_) hint_ = std::make_unique<Win32HintWindow>(window, backend_.Module());
  const ui::Point device = scale_.ToDevice(formPoint);
  POINT mouse{device.x, device.y};
  ClientToScreen(window, &mouse);
  hint_->Show(Widen(text), mouse);
}

void Win32NativeForm::FocusWindow() {
  if (GetFocus() != window_.Get()) SetFocus(window_.Get());
}

void Win32NativeForm::NotifyAccessible(ui::AccessibleEvent event, int id) {
  if (accessibility_) accessibility_->Notify(event, id);
}

void Win32NativeForm::HideHint() {
  if (hint_) hint_->Hide();
}

void Win32NativeForm::SetMouseCapture(bool capture) {
  HWND window = window_.Get();
  if (capture)
    SetCapture(window);
  else if (GetCapture() == window)
    ReleaseCapture();
}

}  // namespace win32
