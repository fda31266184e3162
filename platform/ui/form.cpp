#include "platform/ui/form.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/focus_order.h"
#include "platform/ui/windowed_control.h"

namespace ui {
namespace {

// `area` is in `control`'s coordinates, those of its children's bounds. Each child paints
// inside its bounds only, so one outside the area would draw nothing that shows.
void PaintTree(const Control& control, Canvas& canvas, const Rect& area) {
  for (const auto& child : control.Children()) {
    if (!child->Visible() || child->IsWindowed()) continue;
    const Rect& bounds = child->Bounds();
    if (bounds.Intersect(area).IsEmpty()) continue;
    canvas.Save(bounds);
    child->Paint(canvas);
    PaintTree(*child, canvas, area.Offset(-bounds.left, -bounds.top));
    canvas.Restore();
  }
}

// The position of p relative to `control`, given p in form coordinates.
Point ToControl(const Control& control, Point p) {
  const Rect r = control.FormBounds();
  return {p.x - r.left, p.y - r.top};
}

void Realize(Control& control) {
  if (auto* windowed = dynamic_cast<WindowedControl*>(&control)) windowed->Realize();
  for (auto& child : control.Children()) Realize(*child);
}

}  // namespace

Form::Form(std::string name) : Control(std::move(name)) { SetVisible(false); }

Form::~Form() {
  hot_ = captured_ = focused_ = default_ = cancel_ = nullptr;
  active_ = nullptr;
  // The native window goes before the controls it shows.
  native_.reset();
}

void Form::SetBorderStyle(BorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (native_) native_->SyncWindow();
}

void Form::SetWindowState(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (native_) native_->SyncWindow();
}

void Form::BoundsChanged() {
  if (native_) native_->SyncWindow();
}

void Form::TextChanged() {
  if (native_) native_->SyncWindow();
  AccessibleChanged(*this, AccessibleEvent::NameChange);
}

void Form::ColorChanged() {
  if (native_) native_->SyncWindow();
}

void Form::Realize() {
  if (native_) return;
  native_ = Application::Instance().GetBackend().CreateNativeForm(*this);
  for (auto& child : Children()) ui::Realize(*child);
}

void Form::Show() {
  Realize();
  SetVisible(true);
  if (native_) native_->Show();
}

void Form::Hide() {
  hints_.Cancel();
  SetVisible(false);
  if (native_) native_->Hide();
}

int Form::ShowModal() {
  modalResult_ = mrNone;
  Show();
  modal_ = true;
  struct Reset {
    Form& form;
    ~Reset() {
      form.modal_ = false;
      form.Hide();
    }
  } reset{*this};
  Application::Instance().GetBackend().RunModalLoop(*this);
  return modalResult_;
}

void Form::Close() {
  if (!CanClose()) return;
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
  } else {
    Hide();
  }
}

bool Form::CanClose() {
  bool canClose = true;
  CloseQuery(canClose);
  return canClose;
}

void Form::CloseQuery(bool& canClose) {
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
}

void Form::BringToFront() {
  if (native_) native_->BringToFront();
}

void Form::InvalidateRect(const Rect& formRect) {
  if (native_) native_->Invalidate(formRect);
}

Rect Form::PaintedBounds() const {
  Rect painted;
  auto add = [&](const Rect& r) {
    if (r.IsEmpty()) return;
    if (painted.IsEmpty()) {
      painted = r;
      return;
    }
    painted = {std::min(painted.left, r.left), std::min(painted.top, r.top),
               std::max(painted.right, r.right), std::max(painted.bottom, r.bottom)};
  };
  // Children paint inside their bounds; the focus mark lies inside the focused control.
  for (const auto& child : Children()) {
    if (child->Visible()) add(child->Bounds());
  }
  if (focused_ && focused_->IsShowing()) add(focused_->FormBounds());
  return painted.Intersect(ClientRect());
}

void Form::PaintAll(Canvas& canvas) {
  constexpr int kFar = std::numeric_limits<int>::max() / 4;
  PaintAll(canvas, {-kFar, -kFar, kFar, kFar});
}

void Form::PaintAll(Canvas& canvas, const Rect& area) {
  canvas.FillRect(ClientRect(), GetColor());
  PaintTree(*this, canvas, area);
  // The focus mark: a thin frame just inside the focused control, over whatever it painted.
  if (focused_ && focused_->IsShowing() && focused_->Enabled()) {
    Rect mark = focused_->FormBounds();
    mark = Rect::FromBounds(mark.left + 3, mark.top + 3, mark.Width() - 6, mark.Height() - 6);
    canvas.Rectangle(mark, Pen{clBlue, 1}, Brush{clWhite, true});
  }
}

void Form::UpdateHot(Point p) {
  Control* hit = ControlAt(p);
  if (hit == this) hit = nullptr;
  if (hit == hot_) return;
  Control* old = hot_;
  hot_ = hit;
  if (old) old->MouseLeave();
  if (hot_) hot_->MouseEnter();
  // No hints while a button is held.
  if (captured_)
    hints_.Cancel();
  else
    hints_.HotChanged(hot_);
}

void Form::HandleMouseMove(Point p) {
  hints_.MouseMoved(p);
  UpdateHot(p);
  if (Control* target = captured_ ? captured_ : hot_) {
    target->MouseMove({MouseButton::Left, ToControl(*target, p), false});
  }
}

void Form::HandleMouseDown(MouseButton button, Point p, bool doubleClick) {
  hints_.MouseMoved(p);
  UpdateHot(p);
  hints_.Pressed();
  Control* target = hot_;
  if (!target) return;
  captured_ = target;
  if (native_) native_->SetMouseCapture(true);
  target->MouseDown({button, ToControl(*target, p), doubleClick});
}

void Form::HandleMouseUp(MouseButton button, Point p) {
  Control* target = captured_ ? captured_ : hot_;
  captured_ = nullptr;
  if (native_) native_->SetMouseCapture(false);
  if (target) target->MouseUp({button, ToControl(*target, p), false});
  UpdateHot(p);
}

void Form::HandleMouseLeave() {
  if (captured_) return;  // the capture keeps delivering moves
  hints_.Cancel();
  if (Control* old = hot_) {
    hot_ = nullptr;
    old->MouseLeave();
  }
}

Cursor Form::CursorAt(Point p) {
  const Cursor override = Application::Instance().OverrideCursor();
  if (override != Cursor::Default) return override;
  for (Control* c = ControlAt(p); c; c = c->Parent()) {
    if (c->GetCursor() != Cursor::Default) return c->GetCursor();
  }
  return Cursor::Default;
}

namespace {
bool OfferDialogChar(Control& control, char32_t ch) {
  for (auto& child : control.Children()) {
    if (!child->Visible()) continue;
    if (child->DialogChar(ch)) return true;
    if (OfferDialogChar(*child, ch)) return true;
  }
  return false;
}
}  // namespace

bool Form::HandleDialogChar(char32_t ch) { return OfferDialogChar(*this, ch); }

namespace {
bool Clickable(Control* control) {
  return control && control->IsShowing() && control->Enabled();
}
}  // namespace

void Form::SetFocusedControl(Control* control) {
  if (control == focused_) return;
  if (focused_) focused_->Invalidate();
  focused_ = control;
  if (focused_) {
    focused_->Invalidate();
    AccessibleChanged(*focused_, AccessibleEvent::Focus);
  }
}

Control* Form::CurrentFocus() const {
  if (focused_) return focused_;
  return active_;
}

void Form::FocusOn(Control* control) {
  auto* windowed = dynamic_cast<WindowedControl*>(control);
  if (windowed && windowed->IsWindowed()) {
    SetFocusedControl(nullptr);
    SetActiveControl(windowed);
    return;
  }
  SetFocusedControl(control);
  if (active_) {
    // The edit that had the focus must not keep receiving the keys.
    if (native_) native_->FocusWindow();
    FocusMovedTo(nullptr);
  }
}

void Form::AccessibleChanged(Control& control, AccessibleEvent event) {
  if (native_) native_->NotifyAccessible(event, &control == this ? 0 : control.AccessibleId());
}

bool Form::HandleKey(Key key, bool shift) {
  if (active_ && !focused_ && active_->UsesKey(key)) return false;
  switch (key) {
    case Key::Tab:
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
      const std::vector<Control*> stops = ui::TabOrder(*this);
      if (stops.empty()) return false;
      const bool back = key == Key::Left || key == Key::Up || (key == Key::Tab && shift);
      const auto at = std::find(stops.begin(), stops.end(), CurrentFocus());
      size_t next = 0;
      if (at == stops.end())
        next = back ? stops.size() - 1 : 0;
      else
        next = (size_t(at - stops.begin()) + (back ? stops.size() - 1 : 1)) % stops.size();
      FocusOn(stops[next]);
      return true;
    }
    case Key::Space:
      if (!Clickable(focused_)) return false;
      focused_->Click();
      return true;
    case Key::Enter: {
      Control* target = Clickable(focused_) ? focused_ : default_;
      if (!Clickable(target)) return false;
      target->Click();
      return true;
    }
    case Key::Escape:
      if (!Clickable(cancel_)) return false;
      cancel_->Click();
      return true;
  }
  return false;
}

bool Form::HandleMessage(unsigned, uintptr_t, intptr_t, intptr_t&) { return false; }

void Form::SetActiveControl(WindowedControl* control) {
  if (control == active_) return;
  if (control && native_ && control->Native()) {
    control->Native()->Focus();  // the backend reports the move through FocusMovedTo
    if (active_ == control) return;
  }
  FocusMovedTo(control);
}

void Form::FocusMovedTo(WindowedControl* control) {
  if (control == active_) return;
  // A windowed control taking the focus takes it from the windowless one too.
  if (control) SetFocusedControl(nullptr);
  WindowedControl* old = active_;
  active_ = control;
  if (old) old->DoExit();
  if (active_ == control && control) control->DoEnter();
}

void Form::ForgetControl(Control& control) {
  hints_.Forget(control);
  if (hot_ == &control) hot_ = nullptr;
  if (captured_ == &control) {
    captured_ = nullptr;
    if (native_) native_->SetMouseCapture(false);
  }
  if (active_ == &control) active_ = nullptr;
  if (focused_ == &control) focused_ = nullptr;
  if (default_ == &control) default_ = nullptr;
  if (cancel_ == &control) cancel_ = nullptr;
}

}  // namespace ui
