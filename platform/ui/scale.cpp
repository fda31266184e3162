#include "platform/ui/scale.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Below this a window is unreadable; a tiny work area gets a cut-off window instead.
constexpr double kSmallestFactor = 0.5;

}  // namespace

Scale Scale::ForDpi(int dpi) {
  if (dpi <= 0) return Scale();
  return Scale(double(dpi) / kDesignDpi);
}

Scale Scale::Fitted(int dpi, Size design, Size area) {
  double factor = ForDpi(dpi).factor_;
  // Exact ratios: a design that fits only just must not lose a pixel to rounding.
  auto fit = [&](int want, int have) {
    if (want > 0 && have > 0 && std::lround(want * factor) > have)
      factor = std::min(factor, double(have) / want);
  };
  fit(design.width, area.width);
  fit(design.height, area.height);
  return Scale(std::max(factor, std::min(kSmallestFactor, ForDpi(dpi).factor_)));
}

Scale Scale::FromFactor(double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return Scale();
  return Scale(factor);
}

int Scale::ToDevice(int v) const {
  if (factor_ == 1.0) return v;
  return int(std::lround(v * factor_));
}

int Scale::ToDesign(int v) const {
  if (factor_ == 1.0) return v;
  // The inverse of ToDevice: the design pixel d whose device span [ToDevice(d),
  // ToDevice(d + 1)) holds v, so a click lands on the control drawn under it.
  int d = int(std::floor(v / factor_));
  while (ToDevice(d + 1) <= v) ++d;
  while (ToDevice(d) > v) --d;
  return d;
}

int Scale::ToDesignNearest(int v) const {
  if (factor_ == 1.0) return v;
  return int(std::lround(v / factor_));
}

Size Scale::ToDesignCovering(Size s) const {
  if (factor_ == 1.0) return s;
  return {int(std::ceil(s.width / factor_ - 1e-9)), int(std::ceil(s.height / factor_ - 1e-9))};
}

Rect Scale::ToDesignCovering(const Rect& r) const {
  if (factor_ == 1.0) return r;
  return {int(std::floor(r.left / factor_)), int(std::floor(r.top / factor_)),
          int(std::ceil(r.right / factor_)), int(std::ceil(r.bottom / factor_))};
}

int Scale::FontHeight(int designHeight) const {
  if (factor_ == 1.0) return designHeight;
  return std::max(1, ToDevice(designHeight));
}

int Scale::LineWidth(int designWidth) const {
  if (factor_ == 1.0 || designWidth <= 0) return designWidth;
  return std::max(1, ToDevice(designWidth));
}

}  // namespace ui
