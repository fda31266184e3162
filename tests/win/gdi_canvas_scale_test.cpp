// The GDI canvas at a scale: places and sizes mapped from absolute design edges (nested
// origins stay seamless at 1.5), text measured back in design pixels, and pictures drawn from
// their double at 2x, pixel for pixel.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/image_list.h"
#include "platform/ui/picture.h"
#include "platform/ui/scale.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/win32_native_form.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

ui::Picture Solid(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  ui::Picture picture(width, height);
  for (int i = 0; i < width * height; ++i) {
    uint8_t* p = picture.Pixels() + i * 4;
    p[0] = b, p[1] = g, p[2] = r, p[3] = 255;
  }
  return picture;
}

class ScaledCanvasTest : public ::testing::Test {
 protected:
  ScaledCanvasTest() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc.Reset(CreateCompatibleDC(nullptr));
    select = std::make_unique<win32::DcSelection>(dc.Get(), bitmap.Get());
    const RECT all{0, 0, 200, 100};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  win32::GdiCanvas& Canvas(double factor) {
    canvas = std::make_unique<win32::GdiCanvas>(dc.Get(), fonts, images, ui::Scale::FromFactor(factor));
    return *canvas;
  }
  COLORREF At(int x, int y) const { return GetPixel(dc.Get(), x, y); }

  win32::FontCache fonts;
  win32::ImageCache images;
  win32::GdiObject<HBITMAP> bitmap;
  win32::UniqueMemoryDc dc;
  std::unique_ptr<win32::DcSelection> select;
  std::unique_ptr<win32::GdiCanvas> canvas;
};

TEST_F(ScaledCanvasTest, PlacesFollowTheAbsoluteDesignEdges) {
  win32::GdiCanvas& c = Canvas(2.0);
  c.FillRect({5, 5, 10, 10}, ui::clRed);
  EXPECT_EQ(At(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(19, 19), RGB(255, 0, 0));
  EXPECT_EQ(At(20, 20), kWhite);
  EXPECT_EQ(At(9, 9), kWhite);

  // At 1.5 a control at design x 3 holding a child at 3 more: the child's pixel starts where
  // design x 6 does (9), not at round(4.5) + round(4.5) = 10.
  win32::GdiCanvas& d = Canvas(1.5);
  d.Save({3, 40, 40, 60});
  d.Save({3, 0, 20, 20});
  d.FillRect({0, 0, 1, 1}, ui::clBlue);
  d.Restore();
  d.Restore();
  EXPECT_EQ(At(9, 60), RGB(0, 0, 255));
  EXPECT_EQ(At(8, 60), kWhite);
  EXPECT_EQ(At(10, 61), RGB(0, 0, 255)) << "design 6..7 is device 9..11";
  EXPECT_EQ(At(11, 60), kWhite);
}

TEST_F(ScaledCanvasTest, TextIsMeasuredInDesignPixels) {
  ui::Font font;
  font.name = "Arial";
  font.height = 16;
  const ui::Size plain = Canvas(1.0).MeasureText("Company", font, ui::tfSingleLine, 0);
  const ui::Size twice = Canvas(2.0).MeasureText("Company", font, ui::tfSingleLine, 0);
  EXPECT_NEAR(twice.width, plain.width, plain.width / 10 + 1) << "drawn twice as large, measured the same";
  EXPECT_NEAR(twice.height, plain.height, 2);
}

TEST_F(ScaledCanvasTest, AtTwiceTheSizeTheDoubleIsDrawnPixelForPixel) {
  ui::ImageList list(2, 1);
  ui::Picture strip = Solid(2, 1, 0, 0, 0);
  ui::Picture twice = Solid(4, 2, 0, 255, 0);
  uint8_t* second = twice.Pixels() + 1 * 4;  // (1, 0) red in the double
  second[0] = 0, second[1] = 0, second[2] = 255;
  ASSERT_TRUE(strip.SetDouble(std::make_shared<const ui::Picture>(twice)));
  list.AddStrip(strip);

  Canvas(2.0).DrawImage(list, 0, {10, 10}, false);
  EXPECT_EQ(At(20, 20), RGB(0, 255, 0));
  EXPECT_EQ(At(21, 20), RGB(255, 0, 0)) << "the double's own pixel, not the picture's enlarged";
  EXPECT_EQ(At(23, 21), RGB(0, 255, 0));
  EXPECT_EQ(At(24, 20), kWhite);

  Canvas(2.0).DrawPicture(strip, {30, 10});
  EXPECT_EQ(At(61, 20), RGB(255, 0, 0));
  EXPECT_EQ(At(60, 21), RGB(0, 255, 0));

  // Without a double the picture itself is enlarged: it still covers twice its size.
  Canvas(2.0).DrawPicture(Solid(3, 2, 0, 0, 255), {50, 10});
  EXPECT_EQ(At(100, 20), RGB(0, 0, 255));
  EXPECT_EQ(At(105, 23), RGB(0, 0, 255));
  EXPECT_EQ(At(106, 20), kWhite);
}

TEST_F(ScaledCanvasTest, ADoubleIsDecodedOnlyWhenTheScaleDrawsLarger) {
  int decoded = 0;
  ui::Picture strip = Solid(2, 1, 0, 0, 0);
  strip.SetDoubleSource([&] {
    ++decoded;
    return Solid(4, 2, 0, 255, 0);
  });
  ui::ImageList list(2, 1);
  list.AddStrip(strip);
  Canvas(1.0).DrawImage(list, 0, {10, 10}, false);
  Canvas(1.0).DrawPicture(strip, {30, 10});
  EXPECT_EQ(decoded, 0) << "at the usual scale the double is never made";
  Canvas(2.0).DrawImage(list, 0, {10, 40}, false);
  EXPECT_EQ(decoded, 1);
  EXPECT_EQ(At(20, 80), RGB(0, 255, 0)) << "drawn from the double once it is made";
}

// A part of the window painted alone shows what a whole paint shows there, at any scale: the
// controls left out of a small update never reach into it.
TEST_F(ScaledCanvasTest, APartPaintedAloneMatchesTheWholePaintThere) {
  ui::Form form("Parts");
  form.SetBounds(0, 0, 130, 64);
  form.SetColor(ui::clWhite);
  // One-pixel stripes a pixel apart, nested in a frame: every edge rounds somewhere.
  auto& frame = form.Add<ui::Frame>("Frame");
  frame.SetBounds(3, 3, 120, 56);
  for (int i = 0; i < 40; ++i) {
    auto& stripe = frame.Add<ui::Panel>("Stripe" + std::to_string(i));
    stripe.SetBounds(1 + i * 3, 1 + i % 5, 1 + i % 2, 40 - i % 7);
    stripe.SetColor(ui::Rgb(uint8_t(i * 6), uint8_t(250 - i * 5), uint8_t(i % 3 * 100)));
  }
  for (double factor : {1.25, 1.5, 1.75}) {
    SCOPED_TRACE(factor);
    const ui::Scale scale = ui::Scale::FromFactor(factor);
    const RECT all{0, 0, 200, 100};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    form.PaintAll(Canvas(factor));
    std::vector<COLORREF> whole;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) whole.push_back(At(x, y));

    for (int x = 0; x < 158; x += 3) {  // inside the form at each scale
      const ui::Rect part{x, 7, x + 2, 60};
      FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      const int saved = SaveDC(dc.Get());
      IntersectClipRect(dc.Get(), part.left, part.top, part.right, part.bottom);
      form.PaintAll(Canvas(factor), win32::Win32NativeForm::DesignAreaOf(scale, part));
      canvas.reset();
      RestoreDC(dc.Get(), saved);
      for (int py = part.top; py < part.bottom; ++py)
        for (int px = part.left; px < part.right; ++px)
          ASSERT_EQ(At(px, py), whole[size_t(py * 200 + px)]) << px << "," << py;
    }
  }
}

}  // namespace
