#include "components/ButtonController.h"

#include "platform/ui/form.h"

namespace components {
namespace {

char32_t Lowered(char32_t ch) { return ch >= U'A' && ch <= U'Z' ? ch - U'A' + U'a' : ch; }

}  // namespace

void ButtonController::MouseEnter() {
  if (hot_ || !button_.Enabled()) return;
  // While some control holds the capture (this one dragged off and back), stay cold.
  if (ui::Form* form = button_.GetForm(); form && form->MouseCaptured()) return;
  hot_ = true;
  button_.Repaint();
}

void ButtonController::MouseLeave() {
  // A button disabled while hot keeps its mark; it paints as disabled anyway.
  if (!hot_ || !button_.Enabled()) return;
  hot_ = false;
  button_.Invalidate();
}

void ButtonController::MouseDown(const ui::MouseEvent& e) {
  if (e.button != ui::MouseButton::Left || !button_.Enabled() || pressed_) return;
  pressed_ = true;
  pointerInside_ = Inside(e.pos);
  button_.Invalidate();
}

void ButtonController::MouseMove(const ui::MouseEvent& e) {
  if (pressed_) pointerInside_ = Inside(e.pos);
}

void ButtonController::MouseUp(const ui::MouseEvent& e) {
  if (e.button != ui::MouseButton::Left || !button_.Enabled() || !pressed_) return;
  pressed_ = false;
  pointerInside_ = false;
  button_.Invalidate();
  if (Inside(e.pos)) button_.Click();
}

bool ButtonController::DialogChar(char32_t ch) {
  const char32_t accelerator = ui::Control::AcceleratorOf(button_.Caption());
  if (accelerator == 0 || Lowered(ch) != accelerator) return false;
  const ui::Control* parent = button_.Parent();
  if (!button_.Enabled() || !button_.Visible() || !parent || !parent->IsShowing()) return false;
  button_.Click();
  return true;
}

}  // namespace components
