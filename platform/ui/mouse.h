#pragma once
#include "platform/ui/geometry.h"

namespace ui {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
  MouseButton button = MouseButton::Left;
  Point pos;  // relative to the control receiving the event
  bool doubleClick = false;
};

enum class Cursor { Default, Hand, HourGlass, IBeam };

}  // namespace ui
