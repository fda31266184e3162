#pragma once
#include "platform/ui/control.h"
#include "platform/ui/canvas.h"

namespace ui {

// A windowless container filled with its colour.
class Panel : public Control {
 public:
  using Control::Control;
  void Paint(Canvas& canvas) const override { canvas.FillRect(ClientRect(), GetColor()); }
};

// A container that paints nothing itself: the pages of a window.
class Frame : public Control {
 public:
  using Control::Control;
};

}  // namespace ui
