#pragma once
#include "platform/ui/control.h"

namespace ui {

enum class Alignment { Left, Center, Right };

// A windowless text label.
class Label : public Control {
 public:
  using Control::Control;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);

  void Paint(Canvas& canvas) const override;

 private:
  bool transparent_ = true;
  bool wordWrap_ = false;
  Alignment alignment_ = Alignment::Left;
};

}  // namespace ui
