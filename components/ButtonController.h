#pragma once
// Press and hover behaviour shared by the skin's push buttons and the spin arrows: the hot
// mark (pointer over the button), the pressed mark (left button held on it) and the click on
// release. The control owning the controller forwards its input here and only draws its look
// from Hot(), Pressed() and PointerInside().
#include "platform/ui/control.h"

namespace components {

class ButtonController {
 public:
  explicit ButtonController(ui::Control& button) : button_(button) {}
  ButtonController(const ButtonController&) = delete;
  ButtonController& operator=(const ButtonController&) = delete;

  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  // While pressed: whether the pointer is over the button (the spin arrows repeat only then).
  bool PointerInside() const { return pointerInside_; }

  // Handlers; the owner calls them after the control's own handling of the event.
  void MouseEnter();
  void MouseLeave();
  void MouseDown(const ui::MouseEvent& e);
  void MouseMove(const ui::MouseEvent& e);
  void MouseUp(const ui::MouseEvent& e);
  // Clicks when `ch` is the caption's accelerator and the button can be reached; true then.
  bool DialogChar(char32_t ch);

 private:
  bool Inside(ui::Point p) const { return button_.ClientRect().Contains(p); }

  ui::Control& button_;
  bool hot_ = false;
  bool pressed_ = false;
  bool pointerInside_ = false;
};

}  // namespace components
