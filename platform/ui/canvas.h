#pragma once
// The drawing interface through which controls paint; controls never name an OS imaging API.
// Coordinates are relative to the current origin, which the form moves to each control.
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/font.h"
#include "platform/ui/geometry.h"

namespace ui {

class ImageList;
class Picture;

// Text flags; the values are those of the platform's text drawing so backends pass them on.
enum TextFlags : unsigned {
  tfLeft = 0x0,
  tfCenter = 0x1,
  tfRight = 0x2,
  tfVCenter = 0x4,
  tfWordBreak = 0x10,
  tfSingleLine = 0x20,
  tfNoPrefix = 0x800,
  tfRtlReading = 0x20000,
};

struct Pen {
  Color color = clBlack;
  int width = 1;
};

struct Brush {
  Color color = clWhite;
  bool hollow = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void FillRect(const Rect& r, Color color) = 0;
  // Outline drawn with the pen inside r's edges as the platform does; interior with the brush.
  virtual void Rectangle(const Rect& r, const Pen& pen, const Brush& brush) = 0;
  virtual void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, const Pen& pen,
                         const Brush& brush) = 0;
  // Size of the text as DrawText would lay it out in a box `boxWidth` wide.
  virtual Size MeasureText(std::string_view text, const Font& font, unsigned flags,
                           int boxWidth) = 0;
  // Draws with a hollow background in font.color. An '&' marks the next character as the
  // accelerator (underlined) unless tfNoPrefix is given.
  virtual void DrawText(std::string_view text, const Rect& r, const Font& font,
                        unsigned flags) = 0;
  virtual void DrawImage(const ImageList& list, int index, Point at, bool greyed) = 0;
  // Draws the picture unscaled with its top-left corner at `at`, clipped to the current clip.
  virtual void DrawPicture(const Picture& picture, Point at) = 0;
  virtual void InvertRect(const Rect& r) = 0;

  // Moves the origin by `bounds`' top-left and clips to it; Restore undoes the last Save.
  virtual void Save(const Rect& bounds) = 0;
  virtual void Restore() = 0;
};

}  // namespace ui
