#include "platform/ui/check_box.h"

namespace ui {

void CheckBox::SetChecked(bool checked, Notify notify) {
  if (checked == checked_) return;
  checked_ = checked;
  SyncNative(syncState);
  Invalidate();
  if (notify == Notify::Yes) Click();
}

void CheckBox::UserToggled() {
  checked_ = !checked_;
  SyncNative(syncState);  // a plain (not automatic) native box waits for the model
  Click();
}

void CheckBox::ActionChange(Action& action) {
  WindowedControl::ActionChange(action);
  SetChecked(action.Checked(), Notify::No);
}

}  // namespace ui
