// The GDI canvas on a 32-bit memory bitmap, read back pixel by pixel: GDI's rectangle rules,
// origin and clipping of Save/Restore, pictures unscaled and clipped, image-list pictures
// blended with their alpha, and text drawn and measured the way DrawText lays it out.
#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/image_list.h"
#include "platform/ui/picture.h"
#include "platform/win32/gdi_canvas.h"

namespace {

using ui::Rect;

constexpr COLORREF kWhite = RGB(255, 255, 255);

ui::Picture Solid(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  ui::Picture picture(width, height);
  for (int i = 0; i < width * height; ++i) {
    uint8_t* p = picture.Pixels() + i * 4;
    p[0] = b, p[1] = g, p[2] = r, p[3] = a;
  }
  return picture;
}

class GdiCanvasTest : public ::testing::Test {
 protected:
  GdiCanvasTest() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, -100, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc.Reset(CreateCompatibleDC(nullptr));
    select = std::make_unique<win32::DcSelection>(dc.Get(), bitmap.Get());
    const RECT all{0, 0, 200, 100};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    canvas = std::make_unique<win32::GdiCanvas>(dc.Get(), fonts, images);
  }
  ~GdiCanvasTest() override {
    canvas.reset();
    select.reset();
  }

  COLORREF At(int x, int y) const { return GetPixel(dc.Get(), x, y); }
  int CountNonWhite(const Rect& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) != kWhite;
    return n;
  }

  win32::FontCache fonts;
  win32::ImageCache images;
  win32::GdiObject<HBITMAP> bitmap;
  win32::UniqueMemoryDc dc;
  std::unique_ptr<win32::DcSelection> select;
  std::unique_ptr<win32::GdiCanvas> canvas;
};

TEST_F(GdiCanvasTest, ShapesFollowGdiRules) {
  canvas->FillRect({10, 10, 20, 20}, ui::clRed);
  EXPECT_EQ(At(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(19, 19), RGB(255, 0, 0));
  EXPECT_EQ(At(20, 20), kWhite) << "right and bottom are outside";

  canvas->Rectangle({30, 10, 40, 20}, {ui::clBlue, 1}, {ui::clWhite, true});
  EXPECT_EQ(At(30, 10), RGB(0, 0, 255));
  EXPECT_EQ(At(39, 19), RGB(0, 0, 255));
  EXPECT_EQ(At(35, 15), kWhite) << "a hollow brush leaves the inside";
  canvas->Rectangle({50, 10, 60, 20}, {ui::clBlue, 1}, {ui::clGreen, false});
  EXPECT_EQ(At(55, 15), RGB(0, 128, 0));

  canvas->RoundRect({70, 10, 90, 30}, 10, 10, {ui::clBlue, 1}, {ui::clGreen, false});
  EXPECT_EQ(At(70, 10), kWhite) << "the corner is rounded off";
  EXPECT_EQ(At(80, 20), RGB(0, 128, 0));

  canvas->FillRect({100, 10, 110, 20}, ui::clBtnFace);
  EXPECT_EQ(At(105, 15), GetSysColor(COLOR_BTNFACE));

  canvas->InvertRect({15, 15, 25, 25});
  EXPECT_EQ(At(16, 16), RGB(0, 255, 255));
  EXPECT_EQ(At(22, 22), RGB(0, 0, 0));
}

TEST_F(GdiCanvasTest, SaveMovesTheOriginAndClipsUntilRestore) {
  canvas->Save(Rect::FromBounds(50, 20, 10, 10));
  canvas->FillRect({0, 0, 200, 100}, ui::clRed);
  canvas->Save(Rect::FromBounds(5, 5, 20, 20));  // reaches past its parent: still clipped
  canvas->FillRect({0, 0, 200, 100}, ui::clBlue);
  canvas->Restore();
  canvas->Restore();
  canvas->FillRect({0, 0, 2, 2}, ui::clGreen);

  EXPECT_EQ(At(50, 20), RGB(255, 0, 0));
  EXPECT_EQ(At(55, 25), RGB(0, 0, 255));
  EXPECT_EQ(At(59, 29), RGB(0, 0, 255));
  EXPECT_EQ(At(60, 30), kWhite);
  EXPECT_EQ(At(49, 19), kWhite);
  EXPECT_EQ(At(1, 1), RGB(0, 128, 0)) << "the origin is back at the corner";
}

TEST_F(GdiCanvasTest, PicturesAreDrawnUnscaledAndClipped) {
  // Each pixel tells where it came from: red = row * 8, green = column * 8.
  ui::Picture picture(30, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      uint8_t* p = picture.Pixels() + (y * 30 + x) * 4;
      p[0] = 0, p[1] = uint8_t(x * 8), p[2] = uint8_t(y * 8), p[3] = 255;
    }
  canvas->Save(Rect::FromBounds(100, 40, 10, 10));
  canvas->DrawPicture(picture, {-5, -12});  // only rows 12..21 and columns 5..14 show
  canvas->Restore();

  EXPECT_EQ(At(100, 40), RGB(12 * 8, 5 * 8, 0));
  EXPECT_EQ(At(109, 49), RGB(21 * 8, 14 * 8, 0));
  EXPECT_EQ(At(110, 45), kWhite);
  EXPECT_EQ(At(105, 50), kWhite);
  EXPECT_EQ(At(99, 39), kWhite);
}

TEST_F(GdiCanvasTest, PicturesWithTransparentPixelsShowWhatLiesBelow) {
  // A 4 x 4 clear picture with an opaque red column 1 and a half-transparent blue column 2,
  // drawn clipped on the left.
  ui::Picture picture(4, 4);
  for (int y = 0; y < 4; ++y) {
    uint8_t* red = picture.Pixels() + (y * 4 + 1) * 4;
    red[2] = 255, red[3] = 255;
    uint8_t* blue = picture.Pixels() + (y * 4 + 2) * 4;
    blue[0] = 255, blue[3] = 128;
  }
  canvas->Save(Rect::FromBounds(21, 10, 10, 10));
  canvas->DrawPicture(picture, {-1, 0});
  canvas->Restore();
  EXPECT_EQ(At(21, 10), RGB(255, 0, 0));
  EXPECT_NEAR(GetRValue(At(22, 11)), 127, 2);
  EXPECT_EQ(GetBValue(At(22, 11)), 255);
  EXPECT_EQ(At(23, 12), kWhite);
  EXPECT_EQ(At(20, 12), kWhite);
}

TEST_F(GdiCanvasTest, ImageListPicturesBlendWithTheirAlpha) {
  auto list = std::make_unique<ui::ImageList>(4, 1);
  ui::Picture strip(4, 1);
  const uint8_t pixels[] = {0, 0, 255, 255,  // opaque red
                            0, 0, 0, 0,      // transparent
                            255, 0, 0, 128,  // half blue
                            0, 200, 0, 255};
  std::copy(std::begin(pixels), std::end(pixels), strip.Pixels());
  list->Add(strip);

  canvas->DrawImage(*list, 0, {10, 60}, false);
  EXPECT_EQ(At(10, 60), RGB(255, 0, 0));
  EXPECT_EQ(At(11, 60), kWhite);
  const COLORREF half = At(12, 60);
  EXPECT_NEAR(GetRValue(half), 127, 2);
  EXPECT_NEAR(GetGValue(half), 127, 2);
  EXPECT_EQ(GetBValue(half), 255);

  canvas->DrawImage(*list, 0, {10, 70}, true);
  const COLORREF grey = At(13, 70);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  EXPECT_EQ(images.Size(), 2u) << "one bitmap per picture and look";

  // Refilled with other pixels: the cached bitmap must not be shown again.
  list->Clear();
  list->Add(Solid(4, 1, 0, 0, 255));
  canvas->DrawImage(*list, 0, {10, 80}, false);
  EXPECT_EQ(At(10, 80), RGB(0, 0, 255));

  list.reset();
  EXPECT_EQ(images.Size(), 0u) << "a destroyed list's bitmaps go with it";
}

TEST_F(GdiCanvasTest, TextIsDrawnInTheFontColourAndMeasuredAsDrawn) {
  ui::Font font;
  font.name = "Arial";
  font.height = 16;
  font.color = ui::clRed;

  canvas->DrawText("Hello", {10, 10, 190, 40}, font, ui::tfLeft);
  EXPECT_GT(CountNonWhite({10, 10, 190, 40}), 20);
  EXPECT_EQ(CountNonWhite({0, 40, 200, 100}), 0);
  bool red = false;
  for (int y = 10; y < 40 && !red; ++y)
    for (int x = 10; x < 190 && !red; ++x) red = At(x, y) == RGB(255, 0, 0);
  EXPECT_TRUE(red) << "text in the font's colour";

  const ui::Size one = canvas->MeasureText("W", font, ui::tfSingleLine, 0);
  const ui::Size two = canvas->MeasureText("WW", font, ui::tfSingleLine, 0);
  EXPECT_GE(one.height, 16);
  EXPECT_NEAR(two.width, 2 * one.width, 1);
  EXPECT_EQ(canvas->MeasureText("&Next", font, 0, 0).width,
            canvas->MeasureText("Next", font, 0, 0).width)
      << "the accelerator mark takes no room";

  const ui::Size line = canvas->MeasureText("three", font, 0, 0);
  const ui::Size wrapped =
      canvas->MeasureText("one two three", font, ui::tfWordBreak, line.width + 2);
  EXPECT_EQ(wrapped.height, 3 * line.height);

  ui::Font bold = font;
  bold.bold = true;
  EXPECT_GT(canvas->MeasureText("Hello", bold, 0, 0).width,
            canvas->MeasureText("Hello", font, 0, 0).width);
  EXPECT_EQ(fonts.Size(), 2u) << "fonts are made once per face, not per colour or call";
}

}  // namespace
