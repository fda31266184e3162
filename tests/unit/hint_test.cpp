// Hints of windowless controls: when the form shows them, for how long, which control's text,
// and which settings silence them. The virtual clock drives the pauses.
#include "components/ZndrSpeedButton.h"
#include "platform/headless/headless_native_form.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "tests/unit/headless_fixture.h"

namespace {

using components::TZndrSpeedButton;
using ui::HintTracker;

class HintTest : public HeadlessTest {
 protected:
  HintTest() {
    form.SetBounds(0, 0, 400, 300);
    form.SetShowHint(true);
    next.SetBounds(10, 10, 50, 30);
    next.SetAction(&acNext);
    previous.SetBounds(60, 10, 50, 30);  // right beside Next
    previous.SetAction(&acPrevious);
    quiet.SetBounds(200, 10, 50, 30);
    form.Show();
  }
  std::string Hint() const { return headless::HeadlessNativeForm::Of(form).Hint(); }
  void MoveTo(const ui::Control& c, int dx = 5) {
    const ui::Rect r = c.FormBounds();
    form.HandleMouseMove({r.left + dx, r.top + 5});
  }
  void MoveAway() { form.HandleMouseMove({390, 290}); }

  ui::ActionList actions;
  ui::Action& acNext = actions.Add("acNext", 1, "&Next", "Next");
  ui::Action& acPrevious = actions.Add("acPrevious", 2, "&Previous", "Previous");
  ui::Form form{"Form1"};
  TZndrSpeedButton& next = form.Add<TZndrSpeedButton>("zsbNext");
  TZndrSpeedButton& previous = form.Add<TZndrSpeedButton>("zsbPrevious");
  ui::Control& quiet = form.Add<ui::Control>("NoHint");
};

TEST_F(HintTest, ShowsAfterThePauseAtTheMouseAndSwitchesWithTheHotControl) {
  MoveTo(next);
  backend.Advance(HintTracker::kPause / 2);
  MoveTo(next, 20);  // moving within the control keeps the pause running
  backend.Advance(HintTracker::kPause / 2 - 1);
  EXPECT_EQ(Hint(), "");
  backend.Advance(1);
  EXPECT_EQ(Hint(), "Next");
  EXPECT_EQ(headless::HeadlessNativeForm::Of(form).HintPoint(), (ui::Point{30, 15}));

  MoveTo(previous);
  EXPECT_EQ(Hint(), "") << "the old hint goes at once";
  backend.Advance(HintTracker::kReshowPause);
  EXPECT_EQ(Hint(), "Previous") << "a hint was just up: the next follows quickly";

  MoveTo(quiet);
  backend.Advance(HintTracker::kPause * 2);
  EXPECT_EQ(Hint(), "") << "a control without a hint shows none";
  MoveTo(next);
  backend.Advance(HintTracker::kReshowPause);
  EXPECT_EQ(Hint(), "") << "long after the last hint the full pause applies again";
  backend.Advance(HintTracker::kPause);
  EXPECT_EQ(Hint(), "Next");
  form.HandleMouseLeave();
  EXPECT_EQ(Hint(), "");
}

TEST_F(HintTest, PressingOrTimingOutSilencesTheControlUntilItIsLeft) {
  MoveTo(next);
  backend.Advance(HintTracker::kPause);
  form.HandleMouseDown(ui::MouseButton::Right, {15, 15});
  EXPECT_EQ(Hint(), "");
  form.HandleMouseUp(ui::MouseButton::Right, {15, 15});
  MoveTo(next, 30);
  backend.Advance(HintTracker::kPause * 2);
  EXPECT_EQ(Hint(), "");

  MoveAway();
  backend.Advance(HintTracker::kPause);
  MoveTo(next);
  backend.Advance(HintTracker::kPause + HintTracker::kHidePause - 1);
  EXPECT_EQ(Hint(), "Next");
  backend.Advance(1);
  EXPECT_EQ(Hint(), "") << "a hint stays up for a few seconds only";
  backend.Advance(HintTracker::kHidePause);
  EXPECT_EQ(Hint(), "");
}

TEST_F(HintTest, ShowHintOfTheControlOrItsParentsDecides) {
  auto& panel = form.Add<ui::Panel>("Panel1");
  panel.SetBounds(0, 100, 200, 100);
  panel.SetShowHint(false);
  auto& inner = panel.Add<ui::Control>("Inner");
  inner.SetBounds(10, 10, 50, 30);
  inner.SetHint("Inner hint");
  MoveTo(inner);
  backend.Advance(HintTracker::kPause);
  EXPECT_EQ(Hint(), "") << "the panel shows no hints, and the control follows it";
  inner.SetShowHint(true);
  EXPECT_FALSE(inner.ParentShowHint()) << "an explicit setting stops following";
  backend.Advance(HintTracker::kPause);
  EXPECT_EQ(Hint(), "Inner hint") << "turning hints on under the mouse arms the pause";

  MoveTo(next);
  backend.Advance(HintTracker::kPause);
  ASSERT_EQ(Hint(), "Next");
  form.SetShowHint(false);
  EXPECT_EQ(Hint(), "") << "switched off while up";
  backend.Advance(HintTracker::kPause);
  EXPECT_EQ(Hint(), "");
}

TEST_F(HintTest, FollowsItsActionAndGoesWithItsControl) {
  MoveTo(next);
  backend.Advance(HintTracker::kPause);
  acNext.SetCaption("&Finish");  // the button copies the action again, the hint unchanged
  acNext.SetEnabled(false);
  backend.Advance(HintTracker::kReshowPause);
  EXPECT_EQ(Hint(), "Next") << "an unchanged hint stays up";
  acNext.SetHint("Finish");
  EXPECT_EQ(Hint(), "") << "the old text goes at once";
  backend.Advance(HintTracker::kReshowPause);
  EXPECT_EQ(Hint(), "Finish");

  auto removed = form.Remove(next);
  EXPECT_EQ(Hint(), "") << "the control left the window";
  MoveTo(previous);
  backend.Advance(HintTracker::kPause);
  ASSERT_EQ(Hint(), "Previous");
  form.Hide();
  EXPECT_EQ(Hint(), "");
}

}  // namespace
