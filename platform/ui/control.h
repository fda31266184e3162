#pragma once
// The base of the control tree. A parent owns its children; everything else refers to
// controls by plain pointers. State lives here; backends only realise and paint it.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/accessible_role.h"
#include "platform/ui/action.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"
#include "platform/ui/mouse.h"

namespace ui {

class Canvas;
class Form;

class Control : public ActionClient {
 public:
  explicit Control(std::string name = {});
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  // --- tree ---
  Control* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
  template <class T, class... Args>
  T& Add(Args&&... args) {
    return static_cast<T&>(Insert(std::make_unique<T>(std::forward<Args>(args)...)));
  }
  Control& Insert(std::unique_ptr<Control> child);
  // Detaches the child and hands it back; the caller decides whether it lives on.
  std::unique_ptr<Control> Remove(Control& child);
  // Depth-first search by name among the descendants.
  Control* FindControl(std::string_view name) const;
  template <class T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(FindControl(name));
  }
  // The form at the root of the tree, or nullptr while detached.
  virtual Form* GetForm();

  // --- placement ---
  const Rect& Bounds() const { return bounds_; }  // in the parent's coordinates
  void SetBounds(int left, int top, int width, int height);
  void SetBounds(const Rect& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  Rect ClientRect() const { return {0, 0, Width(), Height()}; }
  // This control's bounds in the coordinates of its form.
  Rect FormBounds() const;

  // --- state ---
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible, and so is every ancestor up to the form.
  bool IsShowing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  // The control's own setting. Setting it explicitly stops following the parent.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  // While true (the default), the control also shows its hint when its parent shows hints.
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint);
  // Whether the hint is shown: the own setting, or the parent's while following it.
  bool ShowsHint() const;
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);
  Color GetColor() const { return color_; }
  void SetColor(Color color);

  // --- action ---
  Action* GetAction() const { return action_; }
  void SetAction(Action* action);

  // --- painting ---
  // Windowless controls paint on their parent's surface; windowed ones are native windows.
  virtual bool IsWindowed() const { return false; }
  // Reads state only; never changes it.
  virtual void Paint(Canvas&) const {}
  // Asks the form to repaint this control's area.
  void Invalidate();
  // Repaints at once (the backend paints synchronously when it can).
  void Repaint();

  // --- input (positions relative to this control) ---
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(const MouseEvent& e);
  virtual void MouseMove(const MouseEvent& e);
  virtual void MouseUp(const MouseEvent& e);
  // An accelerator character (Alt+key); returns true when the control handled it.
  virtual bool DialogChar(char32_t) { return false; }
  // A windowless control with a tab stop takes the form's keyboard focus (Tab, arrows) and
  // is clicked by Space or Enter while it has it.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
  // Among siblings the focus visits lower numbers first; equal numbers keep the tree order.
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  // Executes the action, or raises OnClick.
  virtual void Click();

  std::function<void(Control&)> OnClick;
  std::function<void(Control&, const MouseEvent&)> OnMouseDown;
  std::function<void(Control&, const MouseEvent&)> OnMouseMove;
  std::function<void(Control&, const MouseEvent&)> OnMouseUp;

  // The control at `p` (this control's coordinates): the deepest visible descendant that
  // contains it, or this; nullptr when outside. Windowed controls are not hit here: their
  // native windows receive their own input.
  Control* ControlAt(Point p);

  // The accelerator character of a caption: the one after a single '&', lowered; 0 if none.
  static char32_t AcceleratorOf(std::string_view caption);
  // The caption as drawn: single '&' marks dropped, "&&" as '&'.
  static std::string WithoutAccelerator(std::string_view caption);

  // --- accessibility: what a screen reader is told, derived from the control's state ---
  // Unique in the process and never reused, so a screen reader's reference to a control that
  // is gone finds nothing rather than its successor.
  int AccessibleId() const { return accessibleId_; }
  virtual AccessibleRole GetAccessibleRole() const { return AccessibleRole::None; }
  // The name set with SetAccessibleName, else the caption without its accelerator mark.
  virtual std::string AccessibleName() const;
  void SetAccessibleName(const std::string& name);

  // ActionClient
  void ActionChanged(Action& action) override;
  void ActionDestroyed(Action& action) override;

 protected:
  // Copies caption, enabled state, hint and visibility from the action; overridable.
  virtual void ActionChange(Action& action);
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void TextChanged() {}
  virtual void FontChanged() {}
  virtual void ColorChanged() {}
  // The control entered or left a tree rooted at a form (windowed controls realise here).
  virtual void AttachedToForm(Form&) {}
  virtual void DetachingFromForm(Form&) {}
  // Showing state of this control or an ancestor may have changed.
  virtual void ShowingChanged() {}

  // Stores a caption the native window already shows, without syncing it back.
  void StoreCaption(const std::string& caption) { caption_ = caption; }
  void NotifyAttached(Form& form);
  void NotifyDetaching(Form& form);
  void NotifyShowingChanged();
  void NotifyParentFontChanged();
  void NotifyHintChanged();

 private:
  friend class Form;

  std::string name_;
  Control* parent_ = nullptr;
  std::vector<std::unique_ptr<Control>> children_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool tabStop_ = false;
  int tabOrder_ = 0;
  int accessibleId_;
  std::string accessibleName_;
  int tag_ = 0;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  Cursor cursor_ = Cursor::Default;
  Font font_;
  bool parentFont_ = true;
  Color color_ = clBtnFace;
  Action* action_ = nullptr;
};

}  // namespace ui
