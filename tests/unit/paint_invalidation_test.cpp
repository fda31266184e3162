// What the wizard window asks to repaint: a step change only the content area and the
// navigation buttons whose state changed, a caption change nothing, an enable change the
// button alone; and the area its controls paint, outside which the form is plain colour.
#include <string>
#include <vector>

#include "platform/headless/headless_native_form.h"
#include "platform/headless/recording_canvas.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "tests/unit/wizard_fixture.h"

namespace {

// A control of kind T added to `parent` at x, y with that width and height.
template <class T = ui::Label, class Parent>
T& AddAt(Parent& parent, const std::string& name, int x, int y, int width, int height) {
  auto& control = parent.template Add<T>(name);
  control.SetBounds(x, y, width, height);
  return control;
}

bool Inside(const ui::Rect& inner, const ui::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class PaintInvalidationTest : public WizardTest {
 protected:
  tutorial::TfmMain& Shown() {
    tutorial::TfmMain& w = Open();
    w.Show();
    app.Idle();
    Native().ClearInvalidated();
    return w;
  }
  headless::HeadlessNativeForm& Native() { return headless::HeadlessNativeForm::Of(*window); }
  const std::vector<ui::Rect>& Invalidated() { return Native().Invalidated(); }
  // The rectangles not inside any of `allowed`.
  std::vector<ui::Rect> Outside(const std::vector<ui::Rect>& allowed) {
    std::vector<ui::Rect> stray;
    for (const ui::Rect& r : Invalidated()) {
      bool inside = false;
      for (const ui::Rect& a : allowed) inside = inside || Inside(r, a);
      if (!inside) stray.push_back(r);
    }
    return stray;
  }
};

TEST_F(PaintInvalidationTest, AStepChangeRepaintsTheContentAreaAndTheButtonsThatChanged) {
  tutorial::TfmMain& w = Shown();
  const ui::Rect content = w.Label1->Bounds();
  const std::vector<ui::Rect> allowed = {content,
                                         w.zsbPrevious->FormBounds(),
                                         w.zsbNext->FormBounds(),
                                         w.zsbHome->FormBounds(),
                                         w.zsbExit->FormBounds(),
                                         w.zsbMinimize->FormBounds()};
  Next();  // 1 -> 2: a new page, Previous and Home become enabled, the title changes
  ASSERT_EQ(w.CurrentStep(), 2);
  EXPECT_TRUE(Outside(allowed).empty()) << Outside(allowed).size() << " rectangles outside";
  bool contentRepainted = false, previousRepainted = false;
  for (const ui::Rect& r : Invalidated()) {
    contentRepainted = contentRepainted || r == content;
    previousRepainted = previousRepainted || r == w.zsbPrevious->FormBounds();
  }
  EXPECT_TRUE(contentRepainted);
  EXPECT_TRUE(previousRepainted) << "Previous was enabled";

  Native().ClearInvalidated();
  Previous();  // 2 -> 1: a fresh instance of step 1 in the same place
  ASSERT_EQ(w.CurrentStep(), 1);
  EXPECT_TRUE(Outside(allowed).empty());
  EXPECT_FALSE(Invalidated().empty());
}

TEST_F(PaintInvalidationTest, TheCaptionIsNoPartOfTheClientArea) {
  tutorial::TfmMain& w = Shown();
  w.SetCaption("Another title");
  EXPECT_TRUE(Invalidated().empty());
  // A control's caption is drawn by the control: its rectangle is repainted.
  w.zsbNext->SetCaption("&Go");
  ASSERT_EQ(Invalidated().size(), 1u);
  EXPECT_EQ(Invalidated()[0], w.zsbNext->FormBounds());
}

TEST_F(PaintInvalidationTest, AnEnableChangeRepaintsOnlyThatButton) {
  tutorial::TfmMain& w = Shown();
  Next();
  ASSERT_FALSE(NextEnabled()) << "step 2 waits for a path";
  Native().ClearInvalidated();
  Type("EditCompPath", "C:\\Company\\Z2KData1.gdb");
  ASSERT_TRUE(NextEnabled());
  const ui::Rect next = w.zsbNext->FormBounds();
  bool nextRepainted = false;
  for (const ui::Rect& r : Invalidated()) nextRepainted = nextRepainted || r == next;
  EXPECT_TRUE(nextRepainted);
  // The edit is a window of its own: typing repaints nothing of the form but the button.
  const std::vector<ui::Rect> allowed = {next, w.PageOf(2)->FormBounds()};
  EXPECT_TRUE(Outside(allowed).empty());

  Native().ClearInvalidated();
  app.Idle();  // nothing changed since: nothing to repaint
  EXPECT_TRUE(Invalidated().empty());
}

TEST_F(PaintInvalidationTest, PaintedBoundsCoverTheVisibleControlsOnly) {
  ui::Form form("Plain");
  form.SetBounds(0, 0, 1920, 1080);
  AddAt(form, "A", 100, 50, 200, 30);
  auto& b = AddAt(form, "B", 500, 400, 10, 10);
  auto& hidden = AddAt(form, "Hidden", 1500, 900, 100, 100);
  hidden.SetVisible(false);
  EXPECT_EQ(form.PaintedBounds(), (ui::Rect{100, 50, 510, 410}));
  hidden.SetVisible(true);
  EXPECT_EQ(form.PaintedBounds(), (ui::Rect{100, 50, 1600, 1000}));
  // A control reaching outside the client area paints only inside it.
  b.SetBounds(-20, -10, 50, 50);
  EXPECT_EQ(form.PaintedBounds(), (ui::Rect{0, 0, 1600, 1000}));
}

TEST_F(PaintInvalidationTest, ASmallUpdateDrawsOnlyTheControlsThatReachIntoIt) {
  ui::Form form("Plain");
  form.SetBounds(0, 0, 800, 600);
  auto& frame = AddAt<ui::Frame>(form, "Page", 100, 100, 400, 300);
  AddAt(frame, "Inside", 10, 10, 100, 20).SetCaption("near");  // form 110,110 - 210,130
  AddAt(frame, "Far", 200, 200, 100, 20).SetCaption("far");     // form 300,300 - 400,320
  // Ends at 259,80: one pixel short of the area below.
  AddAt(form, "Edge", 209, 60, 50, 20).SetCaption("edge");
  auto texts = [](const headless::RecordingCanvas& canvas) {
    std::vector<std::string> drawn;
    for (const auto& op : canvas.OpsOf(headless::DrawOp::Text)) drawn.push_back(op.text);
    return drawn;
  };

  headless::RecordingCanvas whole;
  form.PaintAll(whole);
  EXPECT_EQ(texts(whole), (std::vector<std::string>{"near", "far", "edge"}));

  // The area reaches into the page and its first label, not into the others.
  headless::RecordingCanvas part;
  form.PaintAll(part, {200, 80, 260, 115});
  EXPECT_EQ(texts(part), std::vector<std::string>{"near"});
  ASSERT_FALSE(part.Ops().empty());
  EXPECT_EQ(part.Ops().front().kind, headless::DrawOp::Fill) << "the form's colour first, as ever";
  headless::RecordingCanvas corner;  // one pixel of a control is enough
  form.PaintAll(corner, {258, 79, 260, 81});
  EXPECT_EQ(texts(corner), std::vector<std::string>{"edge"});
}

TEST_F(PaintInvalidationTest, TheWizardPaintsNoMoreThanItsDesign) {
  tutorial::TfmMain& w = Shown();
  const ui::Rect painted = w.PaintedBounds();
  const ui::Rect design = w.Image1->Bounds().Intersect(w.ClientRect());
  // The picture is the design; the buttons and pages lie on it (the picture starts 2 pixels
  // left of the centred design, so the union may reach 2 pixels further right).
  EXPECT_TRUE(Inside(design, painted));
  EXPECT_LE(painted.Width(), design.Width() + 4);
  EXPECT_LE(painted.Height(), design.Height() + 4);
}

}  // namespace
