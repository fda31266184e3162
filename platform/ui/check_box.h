#pragma once
// A box the user ticks, realised as a native check box. Bound to an action it shows the
// action's Checked state; a click (the user's, or a programmatic change that asks for it)
// toggles the box first and then executes the action, or raises OnClick without one.
#include "platform/ui/windowed_control.h"

namespace ui {

class CheckBox : public WindowedControl {
 public:
  using WindowedControl::WindowedControl;

  bool Checked() const { return checked_; }
  // A programmatic change: the native box follows. With Notify::Yes a change also clicks,
  // as the user's would; an unchanged state never clicks.
  void SetChecked(bool checked, Notify notify = Notify::No);
  // The user clicked the native box: toggle, then click.
  void UserToggled();

 protected:
  // The caption, enabled state and Checked follow the action, without clicking.
  void ActionChange(Action& action) override;

 private:
  bool checked_ = false;
};

}  // namespace ui
