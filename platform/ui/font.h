#pragma once
#include <string>

#include "platform/ui/color.h"

namespace ui {

// A font as controls describe it; the backend picks the nearest installed face.
struct Font {
  std::string name = "MS Sans Serif";
  int height = 11;  // character height in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color = clWindowText;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace ui
