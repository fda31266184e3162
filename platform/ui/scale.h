#pragma once
// The one mapping between the design (forms and controls are laid out in 96-DPI pixels) and
// the device pixels a window is drawn with. Backends convert at their edge; nothing above
// them knows the screen's scale.
#include "platform/ui/geometry.h"

namespace ui {

constexpr int kDesignDpi = 96;

class Scale {
 public:
  Scale() = default;  // the identity: design pixels are device pixels
  // The screen's own scale; a DPI of 0 or below (an unanswered query) reads as 96.
  static Scale ForDpi(int dpi);
  // The screen's scale, lowered when `design` (an outer size in design pixels) would not fit
  // into `area` (device pixels) at it. Never raised to fill the area.
  static Scale Fitted(int dpi, Size design, Size area);
  static Scale FromFactor(double factor);

  double Factor() const { return factor_; }
  bool IsIdentity() const { return factor_ == 1.0; }

  // Coordinates: rounded to the nearest device pixel, so that rectangles which touch in the
  // design touch on the device too (edges are mapped, not sizes).
  int ToDevice(int v) const;
  Point ToDevice(Point p) const { return {ToDevice(p.x), ToDevice(p.y)}; }
  Rect ToDevice(const Rect& r) const {
    return {ToDevice(r.left), ToDevice(r.top), ToDevice(r.right), ToDevice(r.bottom)};
  }
  Size ToDevice(Size s) const { return {ToDevice(s.width), ToDevice(s.height)}; }
  // A device point back in the design: the design pixel it lies in (rounded down).
  int ToDesign(int v) const;
  Point ToDesign(Point p) const { return {ToDesign(p.x), ToDesign(p.y)}; }
  // A device position or size that came from ToDevice, back to what it was made from.
  int ToDesignNearest(int v) const;
  // A device extent in the design, rounded up so that what was measured still fits.
  Size ToDesignCovering(Size s) const;
  // Device rectangle in design pixels, widened to cover every design pixel it touches.
  Rect ToDesignCovering(const Rect& r) const;
  // A font's character height; never below one pixel.
  int FontHeight(int designHeight) const;
  // A line width: at least one device pixel.
  int LineWidth(int designWidth) const;

  friend bool operator==(const Scale&, const Scale&) = default;

 private:
  explicit Scale(double factor) : factor_(factor) {}
  double factor_ = 1.0;
};

}  // namespace ui
