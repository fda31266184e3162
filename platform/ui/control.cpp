#include "platform/ui/control.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

namespace {
// Above any child index a screen reader may pass, so both kinds of child number can coexist.
int NextAccessibleId() {
  static int last = kFirstAccessibleId - 1;
  return ++last;
}
}  // namespace

Control::Control(std::string name) : name_(std::move(name)), accessibleId_(NextAccessibleId()) {}

Control::~Control() {
  if (action_) action_->RemoveClient(this);
  // Children go first while this object is still whole.
  children_.clear();
}

Control& Control::Insert(std::unique_ptr<Control> child) {
  Control& ref = *child;
  child->parent_ = this;
  if (child->parentFont_) child->font_ = font_;
  children_.push_back(std::move(child));
  if (Form* form = GetForm()) ref.NotifyAttached(*form);
  return ref;
}

std::unique_ptr<Control> Control::Remove(Control& child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& c) { return c.get() == &child; });
  if (it == children_.end()) return nullptr;
  if (Form* form = GetForm()) {
    child.Invalidate();
    child.NotifyDetaching(*form);
  }
  std::unique_ptr<Control> owned = std::move(*it);
  children_.erase(it);
  owned->parent_ = nullptr;
  return owned;
}

Control* Control::FindControl(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->name_ == name) return child.get();
    if (Control* found = child->FindControl(name)) return found;
  }
  return nullptr;
}

Form* Control::GetForm() { return parent_ ? parent_->GetForm() : nullptr; }

void Control::NotifyAttached(Form& form) {
  AttachedToForm(form);
  for (auto& child : children_) child->NotifyAttached(form);
}

void Control::NotifyDetaching(Form& form) {
  for (auto& child : children_) child->NotifyDetaching(form);
  DetachingFromForm(form);
  form.ForgetControl(*this);
}

void Control::NotifyShowingChanged() {
  ShowingChanged();
  for (auto& child : children_) child->NotifyShowingChanged();
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Rect r = Rect::FromBounds(left, top, width, height);
  if (r == bounds_) return;
  Invalidate();
  bounds_ = r;
  BoundsChanged();
  // Windowed descendants are placed in form coordinates and must follow.
  for (auto& child : children_) child->NotifyShowingChanged();
  Invalidate();
}

Rect Control::FormBounds() const {
  Rect r = bounds_;
  for (const Control* p = parent_; p && p->parent_; p = p->parent_) r = r.Offset(p->Left(), p->Top());
  return r;
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  VisibleChanged();
  NotifyShowingChanged();
  Invalidate();
}

bool Control::IsShowing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Invalidate();
  if (Form* form = GetForm()) form->AccessibleChanged(*this, AccessibleEvent::StateChange);
}

std::string Control::AccessibleName() const {
  if (!accessibleName_.empty()) return accessibleName_;
  // Captions are often padded for the layout ("&Next "); a name is not.
  std::string name = WithoutAccelerator(caption_);
  const size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

void Control::SetAccessibleName(const std::string& name) {
  if (name == accessibleName_) return;
  accessibleName_ = name;
  if (Form* form = GetForm()) form->AccessibleChanged(*this, AccessibleEvent::NameChange);
}

void Control::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  TextChanged();
  // A form's caption is its window's title, no part of the client area.
  if (GetForm() != this) Invalidate();
}

void Control::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  NotifyHintChanged();
}

void Control::SetShowHint(bool show) {
  parentShowHint_ = false;
  if (show == showHint_) return;
  showHint_ = show;
  NotifyHintChanged();
}

void Control::SetParentShowHint(bool parentShowHint) {
  if (parentShowHint == parentShowHint_) return;
  parentShowHint_ = parentShowHint;
  NotifyHintChanged();
}

bool Control::ShowsHint() const {
  return showHint_ || (parentShowHint_ && parent_ && parent_->ShowsHint());
}

// A hint on screen must not outlive the text or the setting it was shown for.
void Control::NotifyHintChanged() {
  if (Form* form = GetForm()) form->HintSettingsChanged(*this);
}

void Control::SetFont(const Font& font) {
  parentFont_ = false;
  if (font == font_) return;
  font_ = font;
  FontChanged();
  for (auto& child : children_) child->NotifyParentFontChanged();
  Invalidate();
}

void Control::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont && parent_) NotifyParentFontChanged();
}

void Control::NotifyParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  if (font_ == parent_->font_) return;
  font_ = parent_->font_;
  FontChanged();
  for (auto& child : children_) child->NotifyParentFontChanged();
  Invalidate();
}

void Control::SetColor(Color color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
  Invalidate();
}

void Control::SetAction(Action* action) {
  if (action == action_) return;
  if (action_) action_->RemoveClient(this);
  action_ = action;
  if (action_) {
    action_->AddClient(this);
    ActionChange(*action_);
  }
}

void Control::ActionChanged(Action& action) { ActionChange(action); }

void Control::ActionDestroyed(Action& action) {
  if (action_ == &action) action_ = nullptr;
}

void Control::ActionChange(Action& action) {
  SetCaption(action.Caption());
  SetEnabled(action.Enabled());
  SetHint(action.Hint());
  SetVisible(action.Visible());
}

void Control::Invalidate() {
  if (!visible_) return;
  if (Form* form = GetForm()) {
    if (form == this)
      form->InvalidateRect(ClientRect());
    else
      form->InvalidateRect(FormBounds());
  }
}

void Control::Repaint() {
  Invalidate();
  if (Form* form = GetForm(); form && form->Native()) form->Native()->Update();
}

void Control::MouseDown(const MouseEvent& e) {
  if (OnMouseDown) OnMouseDown(*this, e);
}

void Control::MouseMove(const MouseEvent& e) {
  if (OnMouseMove) OnMouseMove(*this, e);
}

void Control::MouseUp(const MouseEvent& e) {
  if (OnMouseUp) OnMouseUp(*this, e);
}

void Control::Click() {
  if (action_) {
    action_->Execute();
  } else if (OnClick) {
    OnClick(*this);
  }
}

Control* Control::ControlAt(Point p) {
  if (!ClientRect().Contains(p)) return nullptr;
  // Later children are on top.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control& child = **it;
    if (!child.visible_ || child.IsWindowed()) continue;
    if (Control* hit = child.ControlAt({p.x - child.Left(), p.y - child.Top()})) return hit;
  }
  return this;
}

char32_t Control::AcceleratorOf(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return char32_t(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

std::string Control::WithoutAccelerator(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;  // "&&" stands for '&'
      else continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace ui
