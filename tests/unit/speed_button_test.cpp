// The skin's push button: what it paints in each state and layout, how the mouse and the
// accelerator drive it, and how it treats its image lists.
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "components/ZndrSpeedButton.h"
#include "platform/headless/recording_canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "tests/unit/headless_fixture.h"

namespace {

using namespace components;
using headless::DrawOp;
using ui::Rect;

// The button's place on its form (100 x 40); the canvas records form coordinates.
constexpr int kLeft = 10, kTop = 20;
Rect Local(int l, int t, int r, int b) { return Rect{l, t, r, b}.Offset(kLeft, kTop); }

std::unique_ptr<ui::ImageList> ListOf(int size, int count) {
  auto list = std::make_unique<ui::ImageList>(size, size);
  for (int i = 0; i < count; ++i) list->Add(ui::Picture(size, size));
  return list;
}

class SpeedButtonTest : public HeadlessTest {
 protected:
  SpeedButtonTest() {
    form.SetBounds(0, 0, 400, 300);
    panel.SetBounds(0, 0, 300, 200);
    button.SetBounds(kLeft, kTop, 100, 40);
    button.OnClick = [this](ui::Control&) { ++clicks; };
    form.Show();
  }
  std::vector<DrawOp> Paint(DrawOp::Kind kind) {
    headless::RecordingCanvas canvas;
    canvas.Save(button.Bounds());
    button.Paint(canvas);
    return canvas.OpsOf(kind);
  }
  Rect CaptionBox() {
    const auto texts = Paint(DrawOp::Text);
    return texts.empty() ? Rect{} : texts.back().rect;
  }
  // Mouse input goes through the form; positions relative to the button.
  void MoveTo(int x, int y) { form.HandleMouseMove({kLeft + x, kTop + y}); }
  void Press(int x, int y, ui::MouseButton b = ui::MouseButton::Left) {
    form.HandleMouseDown(b, {kLeft + x, kTop + y});
  }
  void Release(int x, int y, ui::MouseButton b = ui::MouseButton::Left) {
    form.HandleMouseUp(b, {kLeft + x, kTop + y});
  }

  ui::Form form{"Form1"};
  ui::Panel& panel = form.Add<ui::Panel>("Panel1");
  TZndrSpeedButton& button = panel.Add<TZndrSpeedButton>("zsbNext");
  int clicks = 0;
};

TEST_F(SpeedButtonTest, BordersShrinkTheInnerArea) {
  button.SetCaption("Go");  // 10 x 11 in the test metric
  struct Case {
    TZSBBorderStyle style;
    std::vector<Rect> outlines;  // 1-pixel pen, then 2-pixel pen
    Rect caption;                // 5 in from the inner area, centred vertically
  };
  const Case cases[] = {
      {zsbbRect, {{1, 1, 99, 39}}, {8, 15, 18, 26}},
      {sbbDoubleRect, {{1, 1, 99, 39}, {5, 5, 95, 35}}, {13, 15, 23, 26}},
      {zsbbRoundRect, {{1, 1, 99, 39}}, {8, 15, 18, 26}},
      {zsbbDblRoundRect, {{1, 1, 99, 39}, {5, 5, 95, 35}}, {13, 15, 23, 26}},
      {zsbbNone, {}, {5, 15, 15, 26}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.style));
    button.SetBorderStyle(c.style);
    const bool round = c.style == zsbbRoundRect || c.style == zsbbDblRoundRect;
    const auto outlines = Paint(round ? DrawOp::RoundRect : DrawOp::Rectangle);
    ASSERT_EQ(outlines.size(), c.outlines.size());
    for (size_t i = 0; i < outlines.size(); ++i) {
      const Rect& r = c.outlines[i];
      EXPECT_EQ(outlines[i].rect, r.Offset(kLeft, kTop));
      EXPECT_EQ(outlines[i].penWidth, int(i) + 1);
      EXPECT_EQ(outlines[i].color, ui::clBlack);
      EXPECT_EQ(outlines[i].brush, ui::clWindow);
      if (round) {
        EXPECT_EQ(outlines[i].ellipseWidth, r.Width() / 2);
        EXPECT_EQ(outlines[i].ellipseHeight, r.Height() / 2);
      }
    }
    EXPECT_EQ(CaptionBox(), c.caption.Offset(kLeft, kTop));
  }
  const auto text = Paint(DrawOp::Text)[0];
  EXPECT_EQ(text.color, ui::clWindowText);
  EXPECT_EQ(text.flags & (ui::tfCenter | ui::tfNoPrefix), unsigned(ui::tfCenter));
  EXPECT_EQ(Paint(DrawOp::Fill)[0].color, ui::clWindow);
}

TEST_F(SpeedButtonTest, PictureAndCaptionFollowTheLayout) {
  button.SetBorderStyle(zsbbNone);  // inner area = the whole button
  button.SetCaption("Abcd");        // 20 x 11
  auto list = ListOf(16, 2);
  button.SetImageList(list.get());
  button.SetImageIndex(1);
  struct Case {
    TButtonLayout layout;
    bool rtl;
    Rect picture, caption;
  };
  const Case cases[] = {
      {blGlyphLeft, false, {5, 12, 21, 28}, {26, 15, 46, 26}},
      {blGlyphRight, false, {79, 12, 95, 28}, {54, 15, 74, 26}},
      {blGlyphLeft, true, {79, 12, 95, 28}, {54, 15, 74, 26}},
      {blGlyphRight, true, {5, 12, 21, 28}, {26, 15, 46, 26}},
      {blGlyphTop, false, {42, 5, 58, 21}, {40, 26, 60, 37}},
      {blGlyphBottom, false, {42, 19, 58, 35}, {40, 3, 60, 14}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << int(c.layout) << " rtl " << c.rtl);
    button.SetButtonLayout(c.layout);
    button.SetRightToLeft(c.rtl);
    const auto images = Paint(DrawOp::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].rect, c.picture.Offset(kLeft, kTop));
    EXPECT_EQ(images[0].imageIndex, 1);
    EXPECT_EQ(CaptionBox(), c.caption.Offset(kLeft, kTop));
    EXPECT_EQ((Paint(DrawOp::Text)[0].flags & ui::tfRtlReading) != 0, c.rtl);
  }
}

TEST_F(SpeedButtonTest, CaptionPlaceWithoutPicture) {
  button.SetCaption("Go");  // inner area (3, 3, 97, 37)
  auto list = ListOf(28, 3);
  button.SetImageList(list.get());  // ImageIndex -1: no picture, its place is kept
  EXPECT_TRUE(Paint(DrawOp::Image).empty());
  EXPECT_EQ(CaptionBox().left, kLeft + 3 + 38);
  button.SetImageList(nullptr);  // no list: no spacing either
  EXPECT_EQ(CaptionBox().left, kLeft + 3 + 5);
  button.SetButtonLayout(blGlyphTop);
  EXPECT_EQ(CaptionBox(), Local(3 + 42, 3 + 5, 3 + 52, 3 + 16));

  // Wider than the 34-pixel inner area: (34 - 40 + 1) / 2 rounds toward zero, to -2.
  button.SetBounds(kLeft, kTop, 40, 40);
  button.SetCaption("Abcdefgh");
  EXPECT_EQ(CaptionBox().left, kLeft + 3 - 2);
  // Word wrap breaks within the inner width.
  button.SetCaption("Abcd efgh");
  EXPECT_EQ(CaptionBox().Height(), 11);
  button.SetWordWrap(true);
  EXPECT_EQ(CaptionBox(), Local(3 + 7, 3 + 5, 3 + 27, 3 + 27));
  EXPECT_TRUE(Paint(DrawOp::Text)[0].flags & ui::tfWordBreak);
}

TEST_F(SpeedButtonTest, ColourSetsFollowTheState) {
  button.SetCaption("Go");
  auto normal = ListOf(16, 2), disabled = ListOf(16, 2), hot = ListOf(16, 2);
  button.SetImageList(normal.get());
  button.SetImageIndex(0);
  button.SetHotImages(hot.get());

  MoveTo(50, 20);
  EXPECT_EQ(Paint(DrawOp::Fill)[0].color, ui::clRed);
  EXPECT_EQ(Paint(DrawOp::Rectangle)[0].color, ui::clYellow);
  EXPECT_EQ(Paint(DrawOp::Text)[0].color, ui::clRed);
  EXPECT_EQ(Paint(DrawOp::Image)[0].source, hot.get());

  // Disabled wins over hot; without disabled images the normal list is drawn greyed.
  button.SetEnabled(false);
  EXPECT_EQ(Paint(DrawOp::Fill)[0].color, ui::clGray);
  EXPECT_EQ(Paint(DrawOp::Rectangle)[0].color, ui::clSilver);
  const auto images = Paint(DrawOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].source, normal.get());
  EXPECT_TRUE(images[0].greyed);
  button.SetDisabledImages(disabled.get());
  EXPECT_EQ(Paint(DrawOp::Image)[0].source, disabled.get());
  // Embossed: highlight one pixel down-right first, then shadow in place.
  const auto texts = Paint(DrawOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].color, ui::clBtnHighlight);
  EXPECT_EQ(texts[1].color, ui::clBtnShadow);
  EXPECT_EQ(texts[0].rect, texts[1].rect.Offset(1, 1));
}

TEST_F(SpeedButtonTest, HeldDownInvertsTheInnerArea) {
  Press(50, 20);
  ASSERT_EQ(Paint(DrawOp::Invert).size(), 1u);
  EXPECT_EQ(Paint(DrawOp::Invert)[0].rect, Local(3, 3, 97, 37));
  button.SetEnabled(false);  // held but disabled: drawn disabled, not down
  EXPECT_TRUE(Paint(DrawOp::Invert).empty());
  button.SetEnabled(true);

  // Transparent and borderless: picture and caption only, the whole button inverted.
  auto list = ListOf(16, 1);
  button.SetImageList(list.get());
  button.SetImageIndex(0);
  button.SetCaption("Go");
  button.SetTransparent(true);
  button.SetBorderStyle(zsbbNone);
  headless::RecordingCanvas canvas;
  button.Paint(canvas);
  std::vector<DrawOp::Kind> kinds;
  for (const auto& op : canvas.Ops()) kinds.push_back(op.kind);
  EXPECT_EQ(kinds, (std::vector<DrawOp::Kind>{DrawOp::Image, DrawOp::Text, DrawOp::Invert}));
  EXPECT_EQ(canvas.Ops().back().rect, Rect::FromBounds(0, 0, 100, 40));
  button.SetInvertColorWhenPressed(false);
  EXPECT_TRUE(Paint(DrawOp::Invert).empty());
}

TEST_F(SpeedButtonTest, MouseAndAcceleratorWalk) {
  button.SetCaption("&Next");
  MoveTo(50, 20);
  EXPECT_TRUE(button.Hot());
  Press(50, 20, ui::MouseButton::Right);
  EXPECT_FALSE(button.Down());
  Release(50, 20, ui::MouseButton::Right);

  // Dragged off: not hot but still down; back on under the capture: still not hot;
  // released outside (x == width): up, no click.
  Press(50, 20);
  MoveTo(150, 20);
  EXPECT_FALSE(button.Hot());
  EXPECT_TRUE(button.Down());
  MoveTo(50, 20);
  EXPECT_FALSE(button.Hot());
  Release(100, 20);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 0);

  // Released inside: a click; a double click is one more press and click.
  MoveTo(150, 20);
  MoveTo(50, 20);
  EXPECT_TRUE(button.Hot());
  Press(0, 0);
  Release(99, 39);
  form.HandleMouseDown(ui::MouseButton::Left, {kLeft + 50, kTop + 20}, true);
  Release(50, 20);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(form.HandleDialogChar(U'N'));
  EXPECT_TRUE(form.HandleDialogChar(U'n'));
  EXPECT_FALSE(form.HandleDialogChar(U'e'));
  EXPECT_EQ(clicks, 4);

  // Disabled while hot: presses and accelerators do nothing and the hot mark survives the
  // mouse leaving, so it paints hot once enabled again.
  button.SetEnabled(false);
  EXPECT_EQ(button.State(), TZndrSpeedButton::csDisabled);
  Press(50, 20);
  EXPECT_FALSE(button.Down());
  Release(50, 20);
  EXPECT_FALSE(form.HandleDialogChar(U'n'));
  MoveTo(150, 20);
  button.SetEnabled(true);
  EXPECT_EQ(button.State(), TZndrSpeedButton::csHot);
  MoveTo(50, 20);
  MoveTo(150, 20);
  EXPECT_EQ(button.State(), TZndrSpeedButton::csNormal);
  button.SetEnabled(false);
  MoveTo(50, 20);
  EXPECT_FALSE(button.Hot()) << "a disabled button does not become hot";
  button.SetEnabled(true);
  EXPECT_EQ(clicks, 4);

  // A hidden button or parent keeps its accelerator to itself.
  button.SetVisible(false);
  EXPECT_FALSE(button.DialogChar(U'n'));
  button.SetVisible(true);
  panel.SetVisible(false);
  EXPECT_FALSE(button.DialogChar(U'n'));
  panel.SetVisible(true);
  EXPECT_TRUE(button.DialogChar(U'n'));
  EXPECT_EQ(clicks, 5);
}

TEST_F(SpeedButtonTest, ImageIndexAcceptsOnlyWhatTheListHolds) {
  button.SetImageIndex(0);
  EXPECT_EQ(button.ImageIndex(), -1) << "no list";
  auto list = ListOf(16, 3);
  button.SetImageList(list.get());
  button.SetImageIndex(3);
  EXPECT_EQ(button.ImageIndex(), -1) << "at the count";
  button.SetImageIndex(-5);
  EXPECT_EQ(button.ImageIndex(), -5) << "below the count, even negative";
  TZndrSpeedButton loaded;  // read from a form definition before its list
  loaded.SetLoading(true);
  loaded.SetImageIndex(7);
  EXPECT_EQ(loaded.ImageIndex(), 7);

  // An action offers its index through the same rules; the list stays the button's own.
  ui::ActionList actions;
  auto actionImages = ListOf(16, 5);
  actions.SetImages(actionImages.get());
  ui::Action& next = actions.Add("acNext", 1, "Next");
  next.SetImageIndex(1);
  button.SetAction(&next);
  EXPECT_EQ(button.ImageIndex(), 1);
  EXPECT_EQ(button.ImageList(), list.get());
  next.SetImageIndex(4);  // in the action's list, beyond the button's
  next.SetImageIndex(-1);
  EXPECT_EQ(button.ImageIndex(), 1);
  button.SetAction(nullptr);
}

TEST_F(SpeedButtonTest, ForgetsADestroyedImageList) {
  auto list = ListOf(16, 2), other = ListOf(16, 2), last = ListOf(16, 2);
  button.SetImageList(list.get());
  button.SetHotImages(list.get());
  button.SetImageIndex(1);
  list.reset();
  EXPECT_EQ(button.ImageList(), nullptr);
  EXPECT_EQ(button.HotImages(), nullptr);
  EXPECT_TRUE(Paint(DrawOp::Image).empty());
  // Still held in one slot after leaving another: still watched.
  button.SetImageList(other.get());
  button.SetDisabledImages(other.get());
  button.SetImageList(nullptr);
  other.reset();
  EXPECT_EQ(button.DisabledImages(), nullptr);

  // A button that goes first unregisters; its storage is wiped, so a late call would crash.
  alignas(TZndrSpeedButton) unsigned char storage[sizeof(TZndrSpeedButton)];
  auto* shortLived = new (storage) TZndrSpeedButton();
  shortLived->SetImageList(last.get());
  shortLived->SetHotImages(last.get());
  shortLived->~TZndrSpeedButton();
  std::memset(storage, 0, sizeof storage);
  last.reset();
}

}  // namespace
