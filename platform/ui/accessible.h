#pragma once
// What a screen reader is told about a form: read from the control tree and the actions each
// time it asks, so nothing is kept beside them that could fall out of step.
#include <string>
#include <vector>

#include "platform/ui/accessible_role.h"

namespace ui {

class Control;

struct AccessibleInfo {
  AccessibleRole role = AccessibleRole::None;
  std::string name;
  std::string shortcut;  // "Alt+N"; empty without an accelerator
  bool unavailable = false;
  bool focusable = false;
  bool focused = false;
};

AccessibleInfo Describe(const Control& control);
// The controls a screen reader sees directly below `parent`, in reading order (as the tab
// order: by TabOrder, then in tree order): visible
// ones with a role; controls without one are skipped, their children taking their place. A
// check mark counts while hidden too: its name says whether its task is done.
std::vector<Control*> AccessibleChildren(const Control& parent);
// The control below `root` (or root itself) with that AccessibleId, or nullptr.
Control* FindAccessible(const Control& root, int id);
// The nearest ancestor with a role (the form at the top), or nullptr.
Control* AccessibleParent(const Control& control);
// The default action: clicks an enabled, showing push button. False when it cannot.
bool PressAccessible(Control& control);

}  // namespace ui
