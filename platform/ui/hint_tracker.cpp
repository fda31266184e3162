#include "platform/ui/hint_tracker.h"

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace ui {

HintTracker::HintTracker(Form& form) : form_(form) {
  timer_.OnTimer = [this](Timer&) { Elapsed(); };
}

bool HintTracker::HasHintToShow(const Control* control) {
  return control && !control->Hint().empty() && control->ShowsHint();
}

void HintTracker::HotChanged(Control* hot) {
  const bool recent = phase_ == Phase::Showing || phase_ == Phase::Recent;
  HideWindow();
  control_ = nullptr;
  if (HasHintToShow(hot)) {
    Arm(*hot, recent ? kReshowPause : kPause);
  } else if (recent) {
    phase_ = Phase::Recent;
    Restart(kPause);
  } else {
    Stop();
  }
}

void HintTracker::Pressed() {
  if (phase_ == Phase::Waiting || phase_ == Phase::Showing) {
    HideWindow();
    phase_ = Phase::Spent;
    timer_.SetEnabled(false);
  } else if (phase_ == Phase::Recent) {
    Stop();
  }
}

void HintTracker::SettingsChanged(Control& changed, Control* hot) {
  bool affectsHot = false;
  for (Control* c = hot; c && !affectsHot; c = c->Parent()) affectsHot = c == &changed;
  if (!affectsHot) return;
  if (phase_ == Phase::Spent && control_ == hot) return;
  // The old text goes at once; the new one follows quickly when a hint was already up.
  const bool wasShowing = phase_ == Phase::Showing;
  HideWindow();
  control_ = nullptr;
  if (HasHintToShow(hot))
    Arm(*hot, wasShowing ? kReshowPause : kPause);
  else
    Stop();
}

void HintTracker::Cancel() {
  HideWindow();
  control_ = nullptr;
  Stop();
}

void HintTracker::Forget(Control& control) {
  if (control_ == &control) Cancel();
}

void HintTracker::Arm(Control& control, int pause) {
  control_ = &control;
  phase_ = Phase::Waiting;
  Restart(pause);
}

void HintTracker::Elapsed() {
  switch (phase_) {
    case Phase::Waiting:
      if (HasHintToShow(control_) && control_->IsShowing() && form_.Native()) {
        form_.Native()->ShowHint(control_->Hint(), mouse_);
        phase_ = Phase::Showing;
        Restart(kHidePause);
      } else {
        control_ = nullptr;
        Stop();
      }
      break;
    case Phase::Showing:
      HideWindow();
      phase_ = Phase::Spent;
      timer_.SetEnabled(false);
      break;
    case Phase::Recent:
      Stop();
      break;
    case Phase::Idle:
    case Phase::Spent:
      timer_.SetEnabled(false);
      break;
  }
}

void HintTracker::HideWindow() {
  if (phase_ == Phase::Showing && form_.Native()) form_.Native()->HideHint();
  if (phase_ == Phase::Showing) phase_ = Phase::Idle;
}

void HintTracker::Stop() {
  phase_ = Phase::Idle;
  timer_.SetEnabled(false);
}

void HintTracker::Restart(int milliseconds) {
  timer_.SetEnabled(false);
  timer_.SetInterval(milliseconds);
  timer_.SetEnabled(true);
}

}  // namespace ui
