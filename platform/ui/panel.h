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

// A child container that carries its own components (the pages of a window), filled with
// its colour so that what lies behind it does not show through.
class Frame : public Control {
 public:
  using Control::Control;
  void Paint(Canvas& canvas) const override { canvas.FillRect(ClientRect(), GetColor()); }
  AccessibleRole GetAccessibleRole() const override { return AccessibleRole::Grouping; }
};

}  // namespace ui
