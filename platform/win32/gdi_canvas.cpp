#include "platform/win32/gdi_canvas.h"

#include <algorithm>

#include "platform/ui/image_list.h"
#include "platform/ui/picture.h"
#include "platform/win32/color_ref.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/wide.h"

namespace win32 {
namespace {

RECT ToRect(const ui::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

RECT GdiCanvas::Device(const ui::Rect& r) const {
  if (scale_.IsIdentity()) return ToRect(r);
  const ui::Point o = origins_.back();
  const ui::Rect device = scale_.ToDevice(r.Offset(o.x, o.y));
  const ui::Point base = scale_.ToDevice(o);
  return ToRect(device.Offset(-base.x, -base.y));
}


GdiCanvas::GdiCanvas(HDC dc, FontCache& fonts, ImageCache& images, ui::Scale scale)
    : dc_(dc), scale_(scale), fonts_(fonts), images_(images), initialState_(SaveDC(dc)) {
  SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  // Leaves the DC as it was handed over, also when a painter forgot a Restore.
  if (initialState_) RestoreDC(dc_, initialState_);
}

void GdiCanvas::FillRect(const ui::Rect& r, ui::Color color) {
  if (color == ui::clNone || r.IsEmpty()) return;
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  const RECT rc = Device(r);
  ::FillRect(dc_, &rc, brush.Get());
}

template <class Draw>
void GdiCanvas::WithPenAndBrush(const ui::Pen& pen, const ui::Brush& brush, Draw draw) {
  GdiObject<HPEN> gdiPen(CreatePen(PS_SOLID, scale_.LineWidth(pen.width), ToColorRef(pen.color)));
  GdiObject<HBRUSH> gdiBrush(brush.hollow ? nullptr : CreateSolidBrush(ToColorRef(brush.color)));
  DcSelection selectPen(dc_, gdiPen.Get());
  DcSelection selectBrush(dc_, brush.hollow ? GetStockObject(NULL_BRUSH) : gdiBrush.Get());
  draw();
}

void GdiCanvas::Rectangle(const ui::Rect& r, const ui::Pen& pen, const ui::Brush& brush) {
  const RECT d = Device(r);
  WithPenAndBrush(pen, brush, [&] { ::Rectangle(dc_, d.left, d.top, d.right, d.bottom); });
}

void GdiCanvas::RoundRect(const ui::Rect& r, int ellipseWidth, int ellipseHeight,
                          const ui::Pen& pen, const ui::Brush& brush) {
  const RECT d = Device(r);
  WithPenAndBrush(pen, brush, [&] {
    ::RoundRect(dc_, d.left, d.top, d.right, d.bottom, scale_.ToDevice(ellipseWidth),
                scale_.ToDevice(ellipseHeight));
  });
}

ui::Size GdiCanvas::MeasureText(std::string_view text, const ui::Font& font, unsigned flags,
                                int boxWidth) {
  const std::wstring wide = Widen(text);
  DcSelection selectFont(dc_, fonts_.Get(DeviceFont(font, scale_)));
  RECT rc{0, 0, scale_.ToDevice(boxWidth), 0};
  ::DrawTextW(dc_, wide.c_str(), int(wide.size()), &rc, flags | DT_CALCRECT);
  return scale_.ToDesignCovering(ui::Size{rc.right - rc.left, rc.bottom - rc.top});
}

void GdiCanvas::DrawText(std::string_view text, const ui::Rect& r, const ui::Font& font,
                         unsigned flags) {
  const std::wstring wide = Widen(text);
  DcSelection selectFont(dc_, fonts_.Get(DeviceFont(font, scale_)));
  SetTextColor(dc_, ToColorRef(font.color));
  SetBkMode(dc_, TRANSPARENT);
  RECT rc = Device(r);
  ::DrawTextW(dc_, wide.c_str(), int(wide.size()), &rc, flags);
}

void GdiCanvas::DrawImage(const ui::ImageList& list, int index, ui::Point at, bool greyed) {
  const RECT d = Device(ui::Rect::FromBounds(at.x, at.y, list.Width(), list.Height()));
  const int width = d.right - d.left, height = d.bottom - d.top;
  HBITMAP bitmap = images_.Get(list, index, greyed, {width, height});
  if (!bitmap) return;
  if (!imageDc_) imageDc_.Reset(CreateCompatibleDC(dc_));
  DcSelection select(imageDc_.Get(), bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc_, d.left, d.top, width, height, imageDc_.Get(), 0, 0, width, height, blend);
}

void GdiCanvas::DrawPicture(const ui::Picture& picture, ui::Point at) {
  if (picture.IsEmpty()) return;
  if (scale_.IsIdentity()) {
    DrawDevicePicture(picture, at);
    return;
  }
  const RECT d = Device(ui::Rect::FromBounds(at.x, at.y, picture.Width(), picture.Height()));
  const ui::Picture& device = images_.Scaled(picture, {d.right - d.left, d.bottom - d.top});
  DrawDevicePicture(device, {d.left, d.top});
}

void GdiCanvas::DrawDevicePicture(const ui::Picture& picture, ui::Point at) {
  // Only the rows and columns inside the clip are handed to GDI: a background picture is
  // large and a control usually shows a small part of it.
  RECT clip{};
  const ui::Rect whole = ui::Rect::FromBounds(at.x, at.y, picture.Width(), picture.Height());
  const int region = GetClipBox(dc_, &clip);
  if (region == NULLREGION) return;
  const ui::Rect visible =
      region == ERROR ? whole : whole.Intersect({clip.left, clip.top, clip.right, clip.bottom});
  if (visible.IsEmpty()) return;

  const int firstRow = visible.top - at.y;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -visible.Height();  // top-down, starting at the first visible row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const uint8_t* rows = picture.Pixels() + size_t(firstRow) * size_t(picture.Width()) * 4;
  const size_t rowBytes = size_t(picture.Width()) * 4;
  const size_t firstColumn = size_t(visible.left - at.x);
  bool transparent = false;
  if (!picture.KnownOpaque()) {
    for (int y = 0; y < visible.Height() && !transparent; ++y) {
      const uint8_t* px = rows + size_t(y) * rowBytes + firstColumn * 4;
      for (int x = 0; x < visible.Width(); ++x, px += 4) {
        if (px[3] != 255) {
          transparent = true;
          break;
        }
      }
    }
  }
  if (!transparent) {
    StretchDIBits(dc_, visible.left, visible.top, visible.Width(), visible.Height(),
                  visible.left - at.x, 0, visible.Width(), visible.Height(), rows, &info,
                  DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  // Pictures with transparent pixels (check marks, glyphs) are blended over what lies
  // below; AlphaBlend wants premultiplied colours.
  info.bmiHeader.biWidth = visible.Width();
  void* bits = nullptr;
  UniqueHandle<GdiObjectTraits<HBITMAP>> section(
      CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return;
  auto* out = static_cast<uint8_t*>(bits);
  for (int y = 0; y < visible.Height(); ++y) {
    const uint8_t* px = rows + size_t(y) * rowBytes + firstColumn * 4;
    for (int x = 0; x < visible.Width(); ++x, px += 4, out += 4) {
      const unsigned alpha = px[3];
      out[0] = uint8_t(px[0] * alpha / 255);
      out[1] = uint8_t(px[1] * alpha / 255);
      out[2] = uint8_t(px[2] * alpha / 255);
      out[3] = uint8_t(alpha);
    }
  }
  if (!imageDc_) imageDc_.Reset(CreateCompatibleDC(dc_));
  DcSelection select(imageDc_.Get(), section.Get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc_, visible.left, visible.top, visible.Width(), visible.Height(), imageDc_.Get(), 0,
             0, visible.Width(), visible.Height(), blend);
}

void GdiCanvas::InvertRect(const ui::Rect& r) {
  const RECT rc = Device(r);
  ::InvertRect(dc_, &rc);
}

void GdiCanvas::Save(const ui::Rect& bounds) {
  SaveDC(dc_);
  ++saved_;
  const RECT d = Device(bounds);
  POINT origin{};
  GetViewportOrgEx(dc_, &origin);
  SetViewportOrgEx(dc_, origin.x + d.left, origin.y + d.top, nullptr);
  IntersectClipRect(dc_, 0, 0, d.right - d.left, d.bottom - d.top);
  const ui::Point o = origins_.back();
  origins_.push_back({o.x + bounds.left, o.y + bounds.top});
}

void GdiCanvas::Restore() {
  if (saved_ == 0) return;
  RestoreDC(dc_, -1);
  --saved_;
  origins_.pop_back();
}

}  // namespace win32
