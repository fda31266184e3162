#pragma once
#include "platform/ui/control.h"

namespace ui {

class WindowedControl;

enum class Alignment { Left, Center, Right };

// A windowless text label of fixed size; a word-wrapped caption breaks at the label's width
// and what does not fit is cut. An accelerator in the caption focuses FocusControl.
class Label : public Control {
 public:
  using Control::Control;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  // The control the caption's accelerator focuses; not owned, it must outlive the label
  // (both sit on the same page).
  WindowedControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(WindowedControl* control) { focusControl_ = control; }

  bool DialogChar(char32_t ch) override;
  AccessibleRole GetAccessibleRole() const override { return AccessibleRole::StaticText; }

  void Paint(Canvas& canvas) const override;

 private:
  bool transparent_ = true;
  bool wordWrap_ = false;
  Alignment alignment_ = Alignment::Left;
  WindowedControl* focusControl_ = nullptr;
};

}  // namespace ui
