// The skin's push button on the real GDI canvas: its colours, border, picture and caption in
// the normal, hot, pressed (inverted) and disabled states, driven by window messages.
#include "platform/win32/windows_api.h"

#include "components/ZndrSpeedButton.h"
#include "platform/ui/form.h"
#include "platform/win32/win32_native_form.h"
#include "tests/win/skin_test_platform.h"

namespace {

using components::TZndrSpeedButton;

COLORREF Inverted(COLORREF c) { return c ^ 0x00FFFFFF; }
bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

class SpeedButtonRenderTest : public SkinWin32Test {
 protected:
  SpeedButtonRenderTest() {
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetBounds(100, 100, 200, 80);
    // A solid green picture: its pixels show whether it was drawn, greyed or inverted.
    ui::Picture green(16, 16);
    for (int i = 0; i < 16 * 16; ++i) {
      uint8_t* p = green.Pixels() + i * 4;
      p[0] = 0, p[1] = 160, p[2] = 0, p[3] = 255;
    }
    images.Add(green);
    button.SetBounds(10, 10, 100, 40);
    button.SetColor(kFace);
    button.SetHotColor(kHot);
    button.SetDisabledColor(kDisabled);
    button.SetFont({"Arial", 16, true, false, false, ui::clWindowText});
    button.SetCaption("WW");
    button.SetImageList(&images);
    button.SetImageIndex(0);
    button.OnClick = [this](ui::Control&) { ++clicks; };
    form.Show();
    window = static_cast<HWND>(form.Native()->Handle());
  }

  // Mouse messages as the window receives them; the real pointer goes there as well, so
  // that the leave tracking does not see it elsewhere.
  void Send(UINT message, WPARAM keys, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(window, message, keys, MAKELPARAM(x, y));
  }

  static constexpr ui::Color kFace = ui::Rgb(255, 213, 170);
  static constexpr ui::Color kHot = ui::Rgb(221, 120, 0);
  static constexpr ui::Color kDisabled = ui::Rgb(60, 60, 160);
  // Sample points in form coordinates: border line, inner background, picture, caption.
  static constexpr POINT kBorder{11, 11}, kInner{100, 15}, kPicture{26, 30};
  static constexpr RECT kCaption{39, 13, 107, 47};

  ui::ImageList images{16, 16};
  ui::Form form{"RenderForm"};
  TZndrSpeedButton& button = form.Add<TZndrSpeedButton>("zsbRender");
  HWND window = nullptr;
  int clicks = 0;
};

TEST_F(SpeedButtonRenderTest, StatesOnTheGdiCanvas) {
  {
    SCOPED_TRACE("normal");
    const Snapshot shot(window);
    EXPECT_EQ(shot.At(kBorder.x, kBorder.y), RGB(0, 0, 0));
    EXPECT_EQ(shot.At(kInner.x, kInner.y), COLORREF(kFace));
    EXPECT_EQ(shot.At(kPicture.x, kPicture.y), RGB(0, 160, 0));
    EXPECT_GT(shot.Count(kCaption, GetSysColor(COLOR_WINDOWTEXT)), 20) << "caption";
  }
  Send(WM_MOUSEMOVE, 0, 60, 30);
  {
    SCOPED_TRACE("hot");
    ASSERT_TRUE(button.Hot());
    const Snapshot shot(window);
    EXPECT_EQ(shot.At(kBorder.x, kBorder.y), COLORREF(ui::clYellow));
    EXPECT_EQ(shot.At(kInner.x, kInner.y), COLORREF(kHot));
    EXPECT_GT(shot.Count(kCaption, COLORREF(ui::clRed)), 20);
  }
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 30);
  {
    SCOPED_TRACE("pressed");
    const Snapshot shot(window);
    EXPECT_EQ(shot.At(kBorder.x, kBorder.y), COLORREF(ui::clYellow)) << "outside the inversion";
    EXPECT_EQ(shot.At(kInner.x, kInner.y), Inverted(kHot));
    EXPECT_EQ(shot.At(kPicture.x, kPicture.y), Inverted(RGB(0, 160, 0)));
  }
  Send(WM_LBUTTONUP, 0, 60, 30);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Snapshot(window).At(kInner.x, kInner.y), COLORREF(kHot)) << "released";

  button.SetEnabled(false);
  {
    SCOPED_TRACE("disabled");
    const Snapshot shot(window);
    EXPECT_EQ(shot.At(kBorder.x, kBorder.y), COLORREF(ui::clSilver));
    EXPECT_EQ(shot.At(kInner.x, kInner.y), COLORREF(kDisabled));
    const COLORREF picture = shot.At(kPicture.x, kPicture.y);
    EXPECT_TRUE(IsGrey(picture)) << std::hex << picture;
    // Embossed caption: both the highlight and the shadow show.
    EXPECT_GT(shot.Count(kCaption, GetSysColor(COLOR_BTNHIGHLIGHT)), 5);
    EXPECT_GT(shot.Count(kCaption, GetSysColor(COLOR_BTNSHADOW)), 5);
  }
  Send(WM_LBUTTONDOWN, MK_LBUTTON, 60, 30);
  Send(WM_LBUTTONUP, 0, 60, 30);
  EXPECT_EQ(clicks, 1) << "a disabled button ignores presses";
}

}  // namespace
