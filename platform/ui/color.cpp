#include "platform/ui/color.h"

namespace ui {

Color DefaultSystemColor(Color c) {
  if (!IsSystemColor(c)) return c;
  switch (SystemColorIndex(c)) {
    case 5: return clWhite;                 // window
    case 8: return clBlack;                 // window text
    case 15: return Rgb(212, 208, 200);     // button face
    case 16: return Rgb(128, 128, 128);     // button shadow
    case 20: return clWhite;                // button highlight
    default: return clBlack;
  }
}

}  // namespace ui
