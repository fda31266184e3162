#pragma once
// ui::Canvas over a GDI device context. The canvas borrows the DC and the caches; fonts and
// image bitmaps outlive one paint in the caches the backend keeps.
#include "platform/win32/windows_api.h"

#include "platform/ui/canvas.h"
#include "platform/win32/font_cache.h"
#include "platform/win32/image_cache.h"
#include "platform/win32/unique_handle.h"

namespace win32 {

class GdiCanvas : public ui::Canvas {
 public:
  GdiCanvas(HDC dc, FontCache& fonts, ImageCache& images);
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

  HDC dc_;
  FontCache& fonts_;
  ImageCache& images_;
  UniqueMemoryDc imageDc_;  // source DC of AlphaBlend, made on first use
  int saved_ = 0;
  int initialState_;
};

}  // namespace win32
