#include "platform/ui/accessible.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/form.h"
#include "platform/ui/label.h"

namespace ui {
namespace {

// A windowed control without a native window of its own paints like a graphic one; its
// parts speak for it, if at all.
AccessibleRole RoleOf(const Control& control) {
  const AccessibleRole role = control.GetAccessibleRole();
  if (role == AccessibleRole::Native && !control.IsWindowed()) return AccessibleRole::None;
  return role;
}

bool EnabledUpToForm(const Control& control) {
  for (const Control* c = &control; c; c = c->Parent()) {
    if (!c->Enabled()) return false;
  }
  return true;
}

// Reading order is the tab order's: the page before the navigation row below it.
void Collect(const Control& parent, std::vector<Control*>& out) {
  std::vector<Control*> children;
  for (const auto& child : parent.Children()) children.push_back(child.get());
  std::stable_sort(children.begin(), children.end(),
                   [](const Control* a, const Control* b) { return a->TabOrder() < b->TabOrder(); });
  for (Control* child : children) {
    const AccessibleRole role = RoleOf(*child);
    if (!child->Visible() && role != AccessibleRole::Graphic) continue;
    if (role == AccessibleRole::None)
      Collect(*child, out);
    else
      out.push_back(child);
  }
}

}  // namespace

AccessibleInfo Describe(const Control& control) {
  AccessibleInfo info;
  info.role = RoleOf(control);
  info.name = control.AccessibleName();
  // A label's accelerator does something only with a control to focus.
  const auto* label = dynamic_cast<const Label*>(&control);
  const char32_t key = label && !label->FocusControl() ? 0 : Control::AcceleratorOf(control.Caption());
  if (key != 0 && key < 0x80) info.shortcut = std::string("Alt+") + char(std::toupper(int(key)));
  info.unavailable = !EnabledUpToForm(control);
  info.focusable = control.TabStop();
  if (Form* form = const_cast<Control&>(control).GetForm())
    info.focused = form->CurrentFocus() == &control;
  return info;
}

std::vector<Control*> AccessibleChildren(const Control& parent) {
  std::vector<Control*> out;
  Collect(parent, out);
  return out;
}

Control* FindAccessible(const Control& root, int id) {
  if (root.AccessibleId() == id) return const_cast<Control*>(&root);
  for (const auto& child : root.Children()) {
    if (Control* found = FindAccessible(*child, id)) return found;
  }
  return nullptr;
}

Control* AccessibleParent(const Control& control) {
  for (Control* p = control.Parent(); p; p = p->Parent()) {
    if (RoleOf(*p) != AccessibleRole::None || !p->Parent()) return p;
  }
  return nullptr;
}

bool PressAccessible(Control& control) {
  if (RoleOf(control) != AccessibleRole::PushButton) return false;
  if (!control.IsShowing() || !EnabledUpToForm(control)) return false;
  control.Click();
  return true;
}

}  // namespace ui
