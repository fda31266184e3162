#pragma once
// ui::Canvas over a GDI device context. The canvas borrows the DC and the caches; fonts and
// image bitmaps outlive one paint in the caches the backend keeps. Callers draw in design
// pixels; the canvas maps every place, size and font to the device with its scale (absolute
// edges are mapped, so neighbouring controls stay seamless at any factor).
#include "platform/win32/windows_api.h"

#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/scale.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/image_cache.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class GdiCanvas : public ui::Canvas {
 public:
  GdiCanvas(HDC dc, FontCache& fonts, ImageCache& images, ui::Scale scale = {});
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void FillRect(const ui::Rect& r, ui::Color color) override;
  void Rectangle(const ui::Rect& r, const ui::Pen& pen, const ui::Brush& brush) override;
  void RoundRect(const ui::Rect& r, int ellipseWidth, int ellipseHeight, const ui::Pen& pen,
                 const ui::Brush& brush) override;
  ui::Size MeasureText(std::string_view text, const ui::Font& font, unsigned flags,
                       int boxWidth) override;
  void DrawText(std::string_view text, const ui::Rect& r, const ui::Font& font,
                unsigned flags) override;
  void DrawImage(const ui::ImageList& list, int index, ui::Point at, bool greyed) override;
  void DrawPicture(const ui::Picture& picture, ui::Point at) override;
  void InvertRect(const ui::Rect& r) override;
  void Save(const ui::Rect& bounds) override;
  void Restore() override;

 private:
  // Draws a closed shape with the pen and the brush, GDI's way (outline inside for width 1).
  template <class Draw>
  void WithPenAndBrush(const ui::Pen& pen, const ui::Brush& brush, Draw draw);

  // A rectangle in the current origin's design pixels, on the device relative to the DC's
  // current viewport origin.
  RECT Device(const ui::Rect& r) const;
  // Draws `picture` (device pixels, already at its device size) with its corner at `at`.
  void DrawDevicePicture(const ui::Picture& picture, ui::Point at);

  HDC dc_;
  ui::Scale scale_;
  std::vector<ui::Point> origins_{ui::Point{}};  // design origin of each Save, absolute
  FontCache& fonts_;
  ImageCache& images_;
  UniqueMemoryDc imageDc_;  // source DC of AlphaBlend, made on first use
  int saved_ = 0;
  int initialState_;
};

}  // namespace win32
