#pragma once
// When a form shows the hint of the control under the mouse: after a pause on a control
// that has one, for a few seconds at most; gone when the mouse leaves the control or presses
// it, or when the hint changes. Timing runs on a ui::Timer, so the headless backend's clock
// drives it in tests; the native window only draws the hint where it is told.
#include "platform/ui/geometry.h"
#include "platform/ui/timer.h"

namespace ui {

class Control;
class Form;

class HintTracker {
 public:
  // The platform's tooltip timings, in milliseconds.
  static constexpr int kPause = 500;        // resting on a control before its hint shows
  static constexpr int kReshowPause = 100;  // from a hint just seen to the next control's
  static constexpr int kHidePause = 5000;   // how long a hint stays up

  explicit HintTracker(Form& form);

  // The control under the mouse changed (nullptr: none, or the form itself).
  void HotChanged(Control* hot);
  void MouseMoved(Point formPoint) { mouse_ = formPoint; }
  // A mouse button went down: the hint goes, and the control stays quiet until left.
  void Pressed();
  // `changed` changed its hint or hint setting; `hot` is the control under the mouse.
  void SettingsChanged(Control& changed, Control* hot);
  // The mouse left the form, or the form is hiding.
  void Cancel();
  // The control is leaving the tree.
  void Forget(Control& control);

 private:
  enum class Phase {
    Idle,
    Waiting,  // the pause on control_ runs
    Showing,  // control_'s hint is up
    Spent,    // control_ was pressed or its hint timed out: nothing until it is left
    Recent,   // a hint was up a moment ago: the next one comes after the short pause
  };

  void Arm(Control& control, int pause);
  void Elapsed();
  void HideWindow();
  void Stop();
  void Restart(int milliseconds);
  static bool HasHintToShow(const Control* control);

  Form& form_;
  Timer timer_;
  Phase phase_ = Phase::Idle;
  Control* control_ = nullptr;
  Point mouse_;
};

}  // namespace ui
